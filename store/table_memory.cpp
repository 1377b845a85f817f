#include "store/table_memory.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* AllocateZeroedTable(std::size_t bytes) {
#if defined(__linux__)
  void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE,
                 -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  return p;  // anonymous pages are zero
#else
  void* p = std::calloc(1, bytes);
  if (!p) throw std::bad_alloc();
  return p;
#endif
}

void FreeZeroedTable(void* table, std::size_t bytes) {
#if defined(__linux__)
  munmap(table, bytes);
#else
  (void)bytes;
  std::free(table);
#endif
}
