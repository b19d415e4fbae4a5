#pragma once

// The two data-control protocols have the same requests and events under different names:
// one traits struct each lets the clipboard be written once. Include only in .cpp files, after
// the generated headers.

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

namespace korrelang::platform::wayland {

#define KORRELANG_DATA_CONTROL_TRAITS(Traits, prefix, primarySince)                                \
    struct Traits {                                                                                \
        using Manager = prefix##_manager_v1;                                                       \
        using Device = prefix##_device_v1;                                                         \
        using Source = prefix##_source_v1;                                                         \
        using Offer = prefix##_offer_v1;                                                           \
        using DeviceListener = prefix##_device_v1_listener;                                        \
        using SourceListener = prefix##_source_v1_listener;                                        \
        using OfferListener = prefix##_offer_v1_listener;                                          \
        static constexpr const char* kGlobal = #prefix "_manager_v1";                              \
        static constexpr std::uint32_t kPrimarySince = primarySince;                               \
        static const wl_interface* managerInterface() { return &prefix##_manager_v1_interface; }   \
        static Device* device(Manager* m, wl_seat* seat) {                                         \
            return prefix##_manager_v1_get_data_device(m, seat);                                   \
        }                                                                                          \
        static Source* source(Manager* m) { return prefix##_manager_v1_create_data_source(m); }    \
        static void destroy(Manager* m) { prefix##_manager_v1_destroy(m); }                        \
        static void destroy(Device* d) { prefix##_device_v1_destroy(d); }                          \
        static void destroy(Source* s) { prefix##_source_v1_destroy(s); }                          \
        static void destroy(Offer* o) { prefix##_offer_v1_destroy(o); }                            \
        static void listen(Device* d, const DeviceListener* l, void* data) {                       \
            prefix##_device_v1_add_listener(d, l, data);                                           \
        }                                                                                          \
        static void listen(Source* s, const SourceListener* l, void* data) {                       \
            prefix##_source_v1_add_listener(s, l, data);                                           \
        }                                                                                          \
        static void listen(Offer* o, const OfferListener* l, void* data) {                         \
            prefix##_offer_v1_add_listener(o, l, data);                                            \
        }                                                                                          \
        static void setSelection(Device* d, Source* s) { prefix##_device_v1_set_selection(d, s); } \
        static void setPrimary(Device* d, Source* s) {                                             \
            prefix##_device_v1_set_primary_selection(d, s);                                        \
        }                                                                                          \
        static void offer(Source* s, const char* mime) { prefix##_source_v1_offer(s, mime); }      \
        static void receive(Offer* o, const char* mime, int fd) {                                  \
            prefix##_offer_v1_receive(o, mime, fd);                                                \
        }                                                                                          \
    };

KORRELANG_DATA_CONTROL_TRAITS(WlrDataControl, zwlr_data_control, 2)
KORRELANG_DATA_CONTROL_TRAITS(ExtDataControl, ext_data_control, 1)

#undef KORRELANG_DATA_CONTROL_TRAITS

}  // namespace korrelang::platform::wayland
