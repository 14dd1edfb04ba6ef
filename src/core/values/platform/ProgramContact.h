#pragma once

namespace ferrovane::app {

// Where users find the program and report faults; every window that names them takes
// them from here.
inline constexpr const char* WebPage = "https://ferrovane.example.org";
inline constexpr const char* MailAddress = "support@ferrovane.example.org";

} // namespace ferrovane::app
