#include "orders/LastOrder.h"

#include "orders/OrderFile.h"
#include "text/Error.h"

namespace quill {

LastOrderFile::Result LastOrderFile::Save(const Order& order) {
    if (!changed_) return {Outcome::NotNeeded, {}};
    try {
        WriteOrderFile(path_, order);
    } catch (const QuillError& error) {
        const bool first = !failing_;
        failing_ = true;
        return {first ? Outcome::Failed : Outcome::StillFailing, error.what()};
    }
    failing_ = false;
    return {Outcome::Written, {}};
}

}  // namespace quill
