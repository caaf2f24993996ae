// SPDX-License-Identifier: GPL-3.0-or-later
// CRC-32 as zlib computes it (ISO-HDLC: reflected polynomial 0xEDB88320, initial and final XOR all ones).
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t Crc32(const void* data, size_t size);
