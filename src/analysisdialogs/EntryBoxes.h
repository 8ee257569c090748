#pragma once

class QLineEdit;

namespace orvella::analysisdialogs {

// Lifts QLineEdit's default limit of 32,767 characters: a box takes and shows whatever the
// plan holds, so a long value from a file is never cut on its way back in.
void removeLengthLimit(QLineEdit* box);

} // namespace orvella::analysisdialogs
