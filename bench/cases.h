// Each area's cases, registered in the order the table lists them.
#pragma once

#include <string>

namespace bench {

// Floors are registered with the first case of their area (report.h's RegisterCase).
constexpr const char* kFloorPrefix = "floor ";
std::string FloorName(int width, int height);
void RegisterFloor(int width, int height);

void RegisterListCases();
void RegisterPeerCases();
void RegisterQtPeerCases();
void RegisterComboCases();
void RegisterVectorBoxCases();
void RegisterMenuCases();
void RegisterDrawingCases();
void RegisterDemoCases();
void RegisterDecodeCases();

// The decoding cases, which the table's targets compare with each other.
constexpr const char* kDecodePngFactory = "decode PNG 2000x1500 factory";
constexpr const char* kDecodePngLibrary = "decode PNG 2000x1500 libpng";
constexpr const char* kDecodeJpegFactory = "decode JPEG 2000x1500 factory";
constexpr const char* kDecodeJpegLibrary = "decode JPEG 2000x1500 libjpeg-turbo";

}  // namespace bench
