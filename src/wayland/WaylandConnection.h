#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace textmend {

// A connection to the compositor of $WAYLAND_DISPLAY and the globals it announced
// when the connection was made.
class WaylandConnection {
  public:
    struct Global {
        std::uint32_t name;
        std::string interface;
        std::uint32_t version;
    };

    // Throws StepError when no compositor answers.
    WaylandConnection();
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* Display() const { return display_; }
    bool Offers(std::string_view interface) const;
    // The first global of interface bound at its version, at most maxVersion;
    // nullptr when the compositor offers none.
    template <class T>
    T* Bind(const wl_interface& interface, std::uint32_t maxVersion) {
        return static_cast<T*>(BindProxy(interface, maxVersion));
    }
    // Waits for the compositor to have handled every request sent so far (on the
    // default queue); throws the connection's error as StepError when it broke.
    void Roundtrip();
    // The connection's error as StepError, when it has one.
    void ThrowIfBroken() const;

  private:
    void* BindProxy(const wl_interface& interface, std::uint32_t maxVersion);

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    std::vector<Global> globals_;
};

}  // namespace textmend
