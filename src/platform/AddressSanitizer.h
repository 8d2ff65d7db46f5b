#pragma once

// QN_ADDRESS_SANITIZER is 1 in a build with AddressSanitizer (GCC or clang),
// whose shadow memory no address-space limit can hold.
#if defined(__SANITIZE_ADDRESS__)
#define QN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QN_ADDRESS_SANITIZER 1
#endif
#endif
