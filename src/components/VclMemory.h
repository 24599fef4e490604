#pragma once
// Raw memory helpers for the picture code, which works on byte buffers.

#include <cstddef>

// Zero-filled memory of `size` bytes; nullptr for a size below 1. Free with FreeMemo.
void* AllocMemo(long size);
// Frees memory from AllocMemo and sets the pointer to nullptr.
void FreeMemo(void*& p);
// True when the two blocks are byte-for-byte equal (Count below 1 compares nothing).
bool CompareMem(const void* p1, const void* p2, long count);
// p advanced by n bytes.
void* OffsetPointer(void* p, long n);
// Copies count bytes (the blocks may overlap).
void MoveBytes(void* dest, const void* source, long count);
