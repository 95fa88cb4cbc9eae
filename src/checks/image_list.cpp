#include "corvane/checks/image_list.h"

#include "corvane/platform/error.h"

namespace corvane::checks {

int ImageList::add(std::string picture) {
    state_.pictures.push_back(std::move(picture));
    return count();
}

const std::string& ImageList::picture(int number) const {
    const auto& failure = platform::errors::ControlIndexOutOfBounds;
    return state_.pictures[platform::checkedIndex(number, state_.pictures.size(), failure)];
}

}  // namespace corvane::checks
