#include "transfer/xml_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <pugixml.hpp>

namespace kelp {

namespace {

constexpr size_t kBlockSize = size_t{32} << 20;
constexpr size_t kLargest = size_t{256} << 10;  // larger requests go to malloc
constexpr size_t kAlign = 16;

struct Block {
  size_t used = 0;  // bytes handed out from the start
  size_t live = 0;  // pieces not yet given back
};

struct Blocks {
  std::mutex m;
  std::map<char*, Block> byBase;
  char* current = nullptr;  // the block that hands out new pieces
};

Blocks& blocks() {
  static Blocks* b = new Blocks;  // never destroyed: pugixml may free memory during exit
  return *b;
}

void* allocate(size_t size) {
  if (size == 0 || size > kLargest) return std::malloc(size ? size : 1);
  size = (size + kAlign - 1) & ~(kAlign - 1);
  Blocks& b = blocks();
  std::lock_guard<std::mutex> lock(b.m);
  if (!b.current || b.byBase[b.current].used + size > kBlockSize) {
    void* p = ::mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return std::malloc(size);
#ifdef MADV_HUGEPAGE
    ::madvise(p, kBlockSize, MADV_HUGEPAGE);
#endif
    // The block that was current is given back once its last piece is.
    if (b.current && b.byBase[b.current].live == 0) {
      ::munmap(b.current, kBlockSize);
      b.byBase.erase(b.current);
    }
    b.current = static_cast<char*>(p);
    b.byBase[b.current] = Block{};
  }
  Block& blk = b.byBase[b.current];
  void* piece = b.current + blk.used;
  blk.used += size;
  ++blk.live;
  return piece;
}

void deallocate(void* ptr) {
  if (!ptr) return;
  Blocks& b = blocks();
  {
    std::lock_guard<std::mutex> lock(b.m);
    char* p = static_cast<char*>(ptr);
    auto it = b.byBase.upper_bound(p);
    if (it != b.byBase.begin()) {
      --it;
      if (p < it->first + kBlockSize) {
        if (--it->second.live == 0) {
          if (it->first == b.current) b.current = nullptr;
          ::munmap(it->first, kBlockSize);
          b.byBase.erase(it);
        }
        return;
      }
    }
  }
  std::free(ptr);
}

}  // namespace

void useBlockMemoryForXml() {
  static std::once_flag once;
  std::call_once(once, [] { pugi::set_memory_management_functions(allocate, deallocate); });
}

size_t xmlBlockBytes() {
  Blocks& b = blocks();
  std::lock_guard<std::mutex> lock(b.m);
  return b.byBase.size() * kBlockSize;
}

}  // namespace kelp
