#include "wayland/WaylandConnection.h"

#include <algorithm>
#include <cerrno>

#include "engine/SystemError.h"

namespace textmend {
namespace {

void AddGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
               std::uint32_t version) {
    static_cast<std::vector<WaylandConnection::Global>*>(data)->push_back(
        {name, interface, version});
}

void RemoveGlobal(void* data, wl_registry*, std::uint32_t name) {
    auto* globals = static_cast<std::vector<WaylandConnection::Global>*>(data);
    std::erase_if(*globals, [name](const auto& global) { return global.name == name; });
}

const wl_registry_listener kRegistryListener = {AddGlobal, RemoveGlobal};

}  // namespace

WaylandConnection::WaylandConnection() : display_(wl_display_connect(nullptr)) {
    if (display_ == nullptr) {
        throw SystemError(errno != 0 ? errno : ECONNREFUSED);
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, &globals_);
    try {
        Roundtrip();
    } catch (...) {
        wl_registry_destroy(registry_);
        wl_display_disconnect(display_);
        throw;
    }
}

WaylandConnection::~WaylandConnection() {
    wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

bool WaylandConnection::Offers(std::string_view interface) const {
    return std::any_of(globals_.begin(), globals_.end(),
                       [interface](const Global& global) { return global.interface == interface; });
}

void* WaylandConnection::BindProxy(const wl_interface& interface, std::uint32_t maxVersion) {
    for (const Global& global : globals_) {
        if (global.interface == interface.name) {
            return wl_registry_bind(registry_, global.name, &interface,
                                    std::min(global.version, maxVersion));
        }
    }
    return nullptr;
}

void WaylandConnection::Roundtrip() {
    if (wl_display_roundtrip(display_) < 0) {
        ThrowIfBroken();
        throw LastSystemError();
    }
}

void WaylandConnection::ThrowIfBroken() const {
    if (const int error = wl_display_get_error(display_); error != 0) {
        throw SystemError(error);
    }
}

}  // namespace textmend
