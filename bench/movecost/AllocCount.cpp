#include "AllocCount.h"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <cxxabi.h>
#include <dlfcn.h>
#include <execinfo.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

constexpr int Depth = 12;
constexpr std::size_t MaxSites = 256;

struct Site
{
    std::array<void*, Depth> frames{};
    int depth = 0;
};

bool counting = false;
bool tracing = false;
bool inTrace = false; // the unwinder must not be traced into
long long count = 0;
std::array<Site, MaxSites> sites;
std::size_t siteCount = 0;

void note()
{
    if (!counting)
        return;
    ++count;
    if (!tracing || inTrace || siteCount == MaxSites)
        return;
    inTrace = true;
    Site& s = sites[siteCount++];
    s.depth = backtrace(s.frames.data(), Depth);
    inTrace = false;
}

std::string nameOf(void* address)
{
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_sname)
        return "?";
    int status = 0;
    char* readable = abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status);
    std::string name = status == 0 ? readable : info.dli_sname;
    std::free(readable);
    // The function's name is enough to tell the caller: its parameters only add width.
    if (const auto open = name.find('('); open != std::string::npos && open > 0)
        name.erase(open);
    return name;
}

bool isAllocator(const std::string& name)
{
    return name == "?" || name.starts_with("malloc") || name.starts_with("calloc") ||
           name.starts_with("realloc") || name.starts_with("operator new") ||
           name.starts_with("(anonymous namespace)::note");
}

} // namespace

extern "C" {

void* malloc(std::size_t size)
{
    note();
    return __libc_malloc(size);
}

void* calloc(std::size_t n, std::size_t size)
{
    note();
    return __libc_calloc(n, size);
}

void* realloc(void* p, std::size_t size)
{
    note();
    return __libc_realloc(p, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    note();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, std::size_t alignment, std::size_t size)
{
    note();
    *out = __libc_memalign(alignment, size);
    return *out ? 0 : 12; // ENOMEM
}
}

namespace alloccount {

void start(bool traceSites)
{
    if (traceSites) {
        void* warm[1];
        backtrace(warm, 1); // the unwinder loads itself, allocating, on its first use
    }
    count = 0;
    siteCount = 0;
    tracing = traceSites;
    counting = true;
}

long long stop()
{
    counting = false;
    tracing = false;
    return count;
}

std::vector<std::vector<std::string>> where()
{
    std::vector<std::vector<std::string>> result;
    for (std::size_t i = 0; i < siteCount; ++i) {
        std::vector<std::string> callers;
        for (int f = 1; f < sites[i].depth; ++f) {
            std::string name = nameOf(sites[i].frames[std::size_t(f)]);
            if (callers.empty() && isAllocator(name))
                continue;
            callers.push_back(std::move(name));
        }
        result.push_back(std::move(callers));
    }
    return result;
}

} // namespace alloccount
