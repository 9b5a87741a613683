// What a bound drive does for the Mount, UnMount, DeviceCount and Emulations
// items. Each reports through the drive's Failed and StatusText only.
#pragma once

#include <cstdint>

#include "drive/virtual_drive.h"

// Result codes of the program's own, beside the libraries' and the system's.
enum StatusCode : int32_t {
    kStatusInvalidParameterCount = -1200,
    kStatusInvalidProduct = -1201,
    kStatusNoToolhelp = -1202,
};

void MountImage(VirtualDrive& drive, int device, const char* imagePath);
void UnmountDevice(VirtualDrive& drive, int device);
void SetEmulations(VirtualDrive& drive, uint32_t enableMask, uint32_t changeMask);
void SetDeviceCount(VirtualDrive& drive, int count);

// Turns a result code into Failed (set for every code but 0) and a status
// text: the fixed text of the program's own codes, else the system's text
// (fromLibrary false) or the product's text for its result code.
void SetStatusFromCode(VirtualDrive& drive, int32_t code, bool fromLibrary);
