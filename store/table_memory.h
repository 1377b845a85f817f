// Zeroed memory for the card table, with its pages in place from the start: touching a fresh
// 9 MB page by page costs far more on some machines than having the system supply it at once.
#pragma once

#include <cstddef>

void* AllocateZeroedTable(std::size_t bytes);
void FreeZeroedTable(void* table, std::size_t bytes);

template <typename T>
struct ZeroedTableDeleter {
  void operator()(T* table) const {
    table->~T();
    FreeZeroedTable(table, sizeof(T));
  }
};
