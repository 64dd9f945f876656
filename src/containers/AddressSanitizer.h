// Whether this build runs under the address sanitizer, whose heap checks
// every access and whose quarantine keeps freed memory resident.
#pragma once

namespace varnel::containers {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool underAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool underAddressSanitizer = true;
#else
inline constexpr bool underAddressSanitizer = false;
#endif
#else
inline constexpr bool underAddressSanitizer = false;
#endif

}  // namespace varnel::containers
