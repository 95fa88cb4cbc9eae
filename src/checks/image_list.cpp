#include "corvane/checks/image_list.h"

#include "corvane/platform/error.h"

namespace corvane::checks {

int ImageList::add(std::string picture) {
    state_.pictures.push_back(std::move(picture));
    return count();
}

const std::string& ImageList::picture(int number) const {
    if (number < 1 || number > count()) throw platform::PlatformError(35600, "Index out of bounds");
    return state_.pictures[static_cast<std::size_t>(number - 1)];
}

}  // namespace corvane::checks
