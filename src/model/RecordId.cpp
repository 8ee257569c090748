#include "model/RecordId.h"
#include <atomic>

namespace orvella::model {

quint32 newRecordId() {
    static std::atomic<quint32> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

} // namespace orvella::model
