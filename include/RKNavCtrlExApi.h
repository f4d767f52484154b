/// @file
/// How the library marks what it exports.
#pragma once

/// Marks an exported class or function: the DLL's export (building it) or import on Windows,
/// default visibility elsewhere.
#if defined(_WIN32)
#if defined(RKNAVCTRLEX_BUILDING)
#define RKNAVCTRLEX_API __declspec(dllexport)
#else
#define RKNAVCTRLEX_API __declspec(dllimport)
#endif
#else
#define RKNAVCTRLEX_API __attribute__((visibility("default")))
#endif
