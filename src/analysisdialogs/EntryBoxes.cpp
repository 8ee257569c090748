#include "analysisdialogs/EntryBoxes.h"
#include <QLineEdit>
#include <limits>

namespace orvella::analysisdialogs {

void removeLengthLimit(QLineEdit* box) {
    if (box)
        box->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace orvella::analysisdialogs
