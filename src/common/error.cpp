#include "common/error.h"

namespace quillo {

std::string Error::message() const {
    if (path.empty()) return detail;
    if (detail.empty()) return path;
    return path + ": " + detail;
}

}  // namespace quillo
