#pragma once

#include <any>
#include <functional>
#include <string>
#include <typeindex>
#include <utility>

// A bound handler: the callable, its exact function type and the signature text that the
// program declares for it. Binding compares both with the event's own.
struct Delegate {
    std::string signature;
    std::any callable; // a std::function of the type below
    std::type_index type = typeid(void);
};

template <class R, class... A>
Delegate MakeDelegate(std::function<R(A...)> function, std::string signature) {
    return Delegate{std::move(signature), std::move(function), typeid(std::function<R(A...)>)};
}

// A delegate of a member operation on its target. Calling through the member pointer keeps
// virtual dispatch, so an override in a subclass of the target is the one that runs.
template <class W, class R, class... A>
Delegate MakeDelegate(W* target, R (W::*method)(A...), std::string signature) {
    std::function<R(A...)> call = [target, method](A... args) -> R {
        return (target->*method)(std::forward<A>(args)...);
    };
    return MakeDelegate(std::move(call), std::move(signature));
}
