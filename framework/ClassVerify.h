#pragma once

#include "Exceptions.h"

#include <string>
#include <string_view>

// The class-verifying conversion: the object as a T, NilObjectException for nothing and
// IllegalCastException for an object of another class. T names itself in T::kClassName;
// `what` (a control's name, say) goes into the messages, which are only built on failure:
// every control lookup passes through here.
template <class T, class Base> T& ClassVerify(Base* object, std::string_view what = {}) {
    const auto subject = [what] {
        return what.empty() ? std::string() : " '" + std::string(what) + "'";
    };
    if (object == nullptr) {
        throw NilObjectException("NilObjectException: expected a " + std::string(T::kClassName) +
                                 subject() + ", found nil");
    }
    T* converted = dynamic_cast<T*>(object);
    if (converted == nullptr) {
        throw IllegalCastException("IllegalCastException: " + object->ClassName() + subject() +
                                   " is not a " + T::kClassName);
    }
    return *converted;
}
