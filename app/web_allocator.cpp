// The WebAssembly module's memory allocator, in place of the C library's:
// the page allocates little (texts of a few boxes at a time), and a general
// allocator was a tenth of the module. Blocks come in sizes of powers of
// two, each behind a header that says which; a freed block waits in its
// size's list for the next of its size. Memory grows from the end of the
// module's data and is never given back, as WebAssembly cannot shrink.
#include <cstddef>
#include <cstdint>
#include <cerrno>
#include <cstring>
#include <limits>


extern "C" unsigned char __heap_base;

namespace {

constexpr std::size_t headerSize = 16; // keeps every block 16-byte aligned
constexpr std::size_t pageSize = 65536;
constexpr int classes = 28;  // sizes 2^4 .. 2^31
constexpr std::size_t largest = std::size_t{1} << 30; // that the largest class holds

struct Header {
    int sizeClass;
};
struct Free {
    Free* next;
};

Free* freeLists[classes];
std::uintptr_t top = 0; // the first byte never handed out

// The class of a block that holds `bytes` with its header: 2^(class + 4).
int classOf(std::size_t bytes) {
    int c = 0;
    while ((std::size_t{16} << c) < bytes + headerSize)
        ++c;
    return c;
}

void* take(int c) {
    if (freeLists[c]) {
        Free* block = freeLists[c];
        freeLists[c] = block->next;
        return block;
    }
    if (top == 0)
        top = (reinterpret_cast<std::uintptr_t>(&__heap_base) + headerSize - 1) & ~(headerSize - 1);
    const std::uint64_t end = std::uint64_t{top} + (std::uint64_t{16} << c);
    if (end > std::numeric_limits<std::uintptr_t>::max())
        return nullptr; // past the last address, where `top` would wrap to 0
    const std::uint64_t have = std::uint64_t{__builtin_wasm_memory_size(0)} * pageSize;
    if (end > have && __builtin_wasm_memory_grow(0, static_cast<std::size_t>(
                                                        (end - have + pageSize - 1) / pageSize)) ==
                          static_cast<std::size_t>(-1))
        return nullptr; // beyond what the browser gives
    void* block = reinterpret_cast<void*>(top);
    top = static_cast<std::uintptr_t>(end);
    return block;
}

} // namespace

extern "C" {

std::size_t malloc_usable_size(void* pointer);

void* malloc(std::size_t bytes) {
    if (bytes > largest)
        return nullptr;
    const int c = classOf(bytes);
    auto* block = static_cast<unsigned char*>(take(c));
    if (!block)
        return nullptr;
    reinterpret_cast<Header*>(block)->sizeClass = c;
    return block + headerSize;
}

void free(void* pointer) {
    if (!pointer)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - headerSize;
    const int c = reinterpret_cast<Header*>(block)->sizeClass;
    auto* freed = reinterpret_cast<Free*>(block);
    freed->next = freeLists[c];
    freeLists[c] = freed;
}

void* calloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > static_cast<std::size_t>(-1) / size)
        return nullptr;
    void* pointer = malloc(count * size);
    if (pointer)
        std::memset(pointer, 0, count * size);
    return pointer;
}

void* realloc(void* pointer, std::size_t bytes) {
    if (!pointer)
        return malloc(bytes);
    const std::size_t room = malloc_usable_size(pointer);
    if (bytes <= room)
        return pointer;
    void* moved = malloc(bytes);
    if (moved) {
        std::memcpy(moved, pointer, room);
        free(pointer);
    }
    return moved;
}

// The C library's own names for them, which its functions call.
void* __libc_malloc(std::size_t bytes) {
    return malloc(bytes);
}
void __libc_free(void* pointer) {
    free(pointer);
}
void* __libc_calloc(std::size_t count, std::size_t size) {
    return calloc(count, size);
}

std::size_t malloc_usable_size(void* pointer) {
    if (!pointer)
        return 0;
    auto* block = static_cast<unsigned char*>(pointer) - headerSize;
    return (std::size_t{16} << reinterpret_cast<Header*>(block)->sizeClass) - headerSize;
}

// Copies and fills, a word at a time where both ends allow it: short loops
// in place of the C library's long ones, for the few bytes the page moves.
void* memmove(void* to, const void* from, std::size_t bytes) {
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (d == s || bytes == 0)
        return to;
    const bool words = ((reinterpret_cast<std::uintptr_t>(d) | reinterpret_cast<std::uintptr_t>(s)) & 3) == 0;
    if (d < s || d >= s + bytes) { // forward
        std::size_t i = 0;
        if (words)
            for (; i + 4 <= bytes; i += 4)
                *reinterpret_cast<std::uint32_t*>(d + i) = *reinterpret_cast<const std::uint32_t*>(s + i);
        for (; i < bytes; ++i)
            d[i] = s[i];
    } else { // backward, the ends overlapping
        std::size_t i = bytes;
        while (words && i % 4 != 0) {
            --i;
            d[i] = s[i];
        }
        if (words)
            for (; i >= 4; i -= 4)
                *reinterpret_cast<std::uint32_t*>(d + i - 4) =
                    *reinterpret_cast<const std::uint32_t*>(s + i - 4);
        while (i > 0) {
            --i;
            d[i] = s[i];
        }
    }
    return to;
}

void* memcpy(void* to, const void* from, std::size_t bytes) {
    return memmove(to, from, bytes);
}

void* memset(void* to, int value, std::size_t bytes) {
    auto* d = static_cast<unsigned char*>(to);
    for (std::size_t i = 0; i < bytes; ++i)
        d[i] = static_cast<unsigned char>(value);
    return to;
}

// Alignments up to a block's own, 16 bytes, which is all the module asks.
int posix_memalign(void** pointer, std::size_t alignment, std::size_t bytes) {
    if (alignment > headerSize)
        return EINVAL;
    *pointer = malloc(bytes);
    return *pointer ? 0 : ENOMEM;
}

void* aligned_alloc(std::size_t alignment, std::size_t bytes) {
    return alignment > headerSize ? nullptr : malloc(bytes);
}

} // extern "C"
