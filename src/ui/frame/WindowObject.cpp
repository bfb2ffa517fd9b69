#include "ui/frame/WindowObject.h"

namespace porutena {

namespace {

constexpr const char* WrapperProp = "PorutenaWrapper";

} // namespace

TWindowObject* TWindowObject::FromWindow(HWND window) {
    return window ? static_cast<TWindowObject*>(GetPropA(window, WrapperProp)) : nullptr;
}

void TWindowObject::Bind(HWND window) {
    SetPropA(window, WrapperProp, this);
}

void TWindowObject::Unbind(HWND window) {
    RemovePropA(window, WrapperProp);
}

} // namespace porutena
