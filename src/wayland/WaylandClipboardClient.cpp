#include "wayland/WaylandClipboardClient.h"

#include <cerrno>

#include "engine/SystemError.h"
#include "ext-data-control-v1-client-protocol.h"
#include "wayland/DataControlClient.h"
#include "wayland/WaylandSession.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

namespace textmend {
namespace {

// The two protocols differ in their names only: the same requests and events,
// in the same order, with the same arguments (what this client uses of the
// wlr one is its version 1).
#define TEXTMEND_DATA_CONTROL(Traits, prefix, label)                                            \
    struct Traits {                                                                             \
        using Manager = prefix##_manager_v1;                                                    \
        using Device = prefix##_device_v1;                                                      \
        using Source = prefix##_source_v1;                                                      \
        using Offer = prefix##_offer_v1;                                                        \
        using DeviceListener = prefix##_device_v1_listener;                                     \
        using SourceListener = prefix##_source_v1_listener;                                     \
        using OfferListener = prefix##_offer_v1_listener;                                       \
        static constexpr const char* kName = label;                                             \
        static const wl_interface& ManagerInterface() { return prefix##_manager_v1_interface; } \
        static Device* GetDevice(Manager* manager, wl_seat* seat) {                             \
            return prefix##_manager_v1_get_data_device(manager, seat);                          \
        }                                                                                       \
        static Source* CreateSource(Manager* manager) {                                         \
            return prefix##_manager_v1_create_data_source(manager);                             \
        }                                                                                       \
        static void DestroyManager(Manager* manager) { prefix##_manager_v1_destroy(manager); }  \
        static void DestroyDevice(Device* device) { prefix##_device_v1_destroy(device); }       \
        static void SetSelection(Device* device, Source* source) {                              \
            prefix##_device_v1_set_selection(device, source);                                   \
        }                                                                                       \
        static void AddListener(Device* device, const DeviceListener* listener, void* data) {   \
            prefix##_device_v1_add_listener(device, listener, data);                            \
        }                                                                                       \
        static void OfferType(Source* source, const char* mime) {                               \
            prefix##_source_v1_offer(source, mime);                                             \
        }                                                                                       \
        static void DestroySource(Source* source) { prefix##_source_v1_destroy(source); }       \
        static void AddListener(Source* source, const SourceListener* listener, void* data) {   \
            prefix##_source_v1_add_listener(source, listener, data);                            \
        }                                                                                       \
        static void Receive(Offer* offer, const char* mime, int fd) {                           \
            prefix##_offer_v1_receive(offer, mime, fd);                                         \
        }                                                                                       \
        static void DestroyOffer(Offer* offer) { prefix##_offer_v1_destroy(offer); }            \
        static void AddListener(Offer* offer, const OfferListener* listener, void* data) {      \
            prefix##_offer_v1_add_listener(offer, listener, data);                              \
        }                                                                                       \
    };

TEXTMEND_DATA_CONTROL(ExtProtocol, ext_data_control, "ext_data_control_v1")
TEXTMEND_DATA_CONTROL(WlrProtocol, zwlr_data_control, "wlr_data_control_unstable_v1")
#undef TEXTMEND_DATA_CONTROL

template <class P>
class ProtocolClient final : public DataControlClient {
  public:
    explicit ProtocolClient(std::unique_ptr<WaylandConnection> connection)
        : DataControlClient(std::move(connection)) {
        seat_ = Connection().Bind<wl_seat>(wl_seat_interface, 1);
        manager_ = Connection().Bind<typename P::Manager>(P::ManagerInterface(), 1);
        if (seat_ == nullptr) {
            throw SystemError(ENODEV);
        }
        device_ = P::GetDevice(manager_, seat_);
        P::AddListener(device_, &kDeviceListener, this);
        Start();
    }

    ~ProtocolClient() override {
        Stop();
        P::DestroyDevice(device_);
        P::DestroyManager(manager_);
        wl_seat_destroy(seat_);
        wl_display_flush(Connection().Display());
    }

    const char* ProtocolName() const override { return P::kName; }

  protected:
    void Receive(Handle offer, const char* mime, int fd) override {
        P::Receive(static_cast<typename P::Offer*>(offer), mime, fd);
    }
    void DestroyOffer(Handle offer) override {
        P::DestroyOffer(static_cast<typename P::Offer*>(offer));
    }
    Handle SetSelection(std::span<const std::string_view> types) override {
        typename P::Source* source = P::CreateSource(manager_);
        P::AddListener(source, &kSourceListener, this);
        for (std::string_view type : types) {
            P::OfferType(source, std::string(type).c_str());
        }
        P::SetSelection(device_, source);
        return source;
    }
    void DestroySource(Handle source) override {
        P::DestroySource(static_cast<typename P::Source*>(source));
    }

  private:
    using Device = typename P::Device;
    using Source = typename P::Source;
    using Offer = typename P::Offer;

    static ProtocolClient* Self(void* data) { return static_cast<ProtocolClient*>(data); }

    static constexpr typename P::OfferListener kOfferListener = {
        [](void* data, Offer* offer, const char* mime) { Self(data)->OnOfferType(offer, mime); },
    };
    static constexpr typename P::DeviceListener kDeviceListener = {
        [](void* data, Device*, Offer* offer) {
            Self(data)->OnOffer(offer);
            P::AddListener(offer, &kOfferListener, data);
        },
        [](void* data, Device*, Offer* offer) { Self(data)->OnSelection(offer); },
        [](void* data, Device*) { Self(data)->OnFinished(); },
        [](void* data, Device*, Offer* offer) { Self(data)->OnPrimarySelection(offer); },
    };
    static constexpr typename P::SourceListener kSourceListener = {
        [](void* data, Source* source, const char* mime, int fd) {
            Self(data)->OnSend(source, mime, fd);
        },
        [](void* data, Source* source) { Self(data)->OnCancelled(source); },
    };

    wl_seat* seat_ = nullptr;
    typename P::Manager* manager_ = nullptr;
    Device* device_ = nullptr;
};

std::unique_ptr<DataControlClient> ConnectDataControl() {
    auto connection = std::make_unique<WaylandConnection>();
    switch (ChooseDataControl(*connection)) {
        case DataControlProtocol::Ext:
            return std::make_unique<ProtocolClient<ExtProtocol>>(std::move(connection));
        case DataControlProtocol::Wlr:
            return std::make_unique<ProtocolClient<WlrProtocol>>(std::move(connection));
        case DataControlProtocol::None:
            break;
    }
    throw SystemError(EPROTONOSUPPORT);
}

}  // namespace

WaylandClipboardClient::WaylandClipboardClient() : client_(ConnectDataControl()) {}

WaylandClipboardClient::~WaylandClipboardClient() = default;

const char* WaylandClipboardClient::ProtocolName() const {
    return client_->ProtocolName();
}

std::uint64_t WaylandClipboardClient::ChangeCount() const {
    return client_->ChangeCount();
}

ClipboardContent WaylandClipboardClient::Read(Clock::time_point deadline, int stopFd) {
    return client_->Read(deadline, stopFd);
}

void WaylandClipboardClient::Write(std::string text, bool secret) {
    client_->Write(std::move(text), secret);
}

bool WaylandClipboardClient::Serving() const {
    return client_->Serving();
}

}  // namespace textmend
