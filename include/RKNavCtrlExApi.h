// How the library marks what it exports.
#pragma once

#if defined(_WIN32)
#if defined(RKNAVCTRLEX_BUILDING)
#define RKNAVCTRLEX_API __declspec(dllexport)
#else
#define RKNAVCTRLEX_API __declspec(dllimport)
#endif
#else
#define RKNAVCTRLEX_API __attribute__((visibility("default")))
#endif
