// What the program calls in a product's control library, by ordinal.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int kControlOrdinalCount = 15;

enum ControlOrdinal {
    kOrdinalDriverCheck = 1,   // () -> -1 no driver, -2 version mismatch, else ready
    kOrdinalMount = 2,         // (device, image path or "") -> result code
    kOrdinalGetEmulations = 4, // (flag word*) fills the current switches
    kOrdinalSetEmulations = 5, // (flag word*) -> result code
    kOrdinalSetDevices = 8,    // (count, count kind codes) -> result code
    kOrdinalImageType = 10,    // (index, ImageTypeRecord*) -> 259 at the end
    kOrdinalTextModule = 12,   // (0, module*) names the module holding result texts
    kOrdinalVersionMark = 13,  // never called; libraries older than it lack it
};

constexpr int kImageTypeEnd = 259;

using DriverCheckFn = int(WINAPI*)();
using MountFn = int(WINAPI*)(int device, const char* imagePath);
using EmulationFlagsFn = int(WINAPI*)(int32_t* flags);
using SetDevicesFn = int(WINAPI*)(int32_t* countAndKinds);
struct ImageTypeRecord;
using ImageTypeFn = int(WINAPI*)(int index, ImageTypeRecord* record);
using TextModuleFn = int(WINAPI*)(int zero, HMODULE* module);

// One image type the product can mount, as ordinal 10 describes it.
struct ImageTypeRecord {
    uint16_t size; // set to sizeof(ImageTypeRecord) before every call
    uint16_t unused;
    char pattern[28];     // for example "*.iso"
    char displayName[64]; // for example "ISO Image"
};
static_assert(sizeof(ImageTypeRecord) == 96, "the libraries fill exactly 96 bytes");
