#pragma once

#include <utility>

namespace bw {

// Dialogs a lesson may never open are made when first needed, not at every start.
template <class T, class... Args> T* Made(T*& form, Args&&... args) {
    if (!form) form = new T(std::forward<Args>(args)...);
    return form;
}

} // namespace bw
