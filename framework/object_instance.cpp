#include "framework/object_instance.h"

#include <cstring>
#include <new>

#include "framework/application.h"

namespace {

void Put(unsigned char*& p, const void* bytes, std::size_t n) {
    std::memcpy(p, bytes, n);
    p += n;
}

}  // namespace

TObjectInstance::TObjectInstance(Handler handler) : handler_(std::move(handler)) {
    code_ = ::VirtualAlloc(nullptr, 32, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (code_ == nullptr)
        throw std::bad_alloc();
    auto* p = static_cast<unsigned char*>(code_);
    void* self = this;
    auto entry = &TObjectInstance::Entry;
#ifdef _WIN64
    const unsigned char movRcx[] = {0x48, 0xB9};  // mov rcx, self (the first argument)
    const unsigned char movRax[] = {0x48, 0xB8};  // mov rax, Entry
    const unsigned char jmpRax[] = {0xFF, 0xE0};  // jmp rax
    Put(p, movRcx, sizeof movRcx);
    Put(p, &self, sizeof self);
    Put(p, movRax, sizeof movRax);
    Put(p, &entry, sizeof entry);
    Put(p, jmpRax, sizeof jmpRax);
#else
    const unsigned char movArg[] = {0xC7, 0x44, 0x24, 0x04};  // mov dword [esp+4], self
    const unsigned char jmp[] = {0xE9};                       // jmp Entry
    Put(p, movArg, sizeof movArg);
    Put(p, &self, sizeof self);
    Put(p, jmp, sizeof jmp);
    const auto relative = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(entry) -
                                                    reinterpret_cast<std::intptr_t>(p + 4));
    Put(p, &relative, sizeof relative);
#endif
    ::FlushInstructionCache(::GetCurrentProcess(), code_, 32);
}

TObjectInstance::~TObjectInstance() {
    ::VirtualFree(code_, 0, MEM_RELEASE);
}

LRESULT CALLBACK TObjectInstance::Entry(HWND self, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* instance = reinterpret_cast<TObjectInstance*>(self);
    TMessage m{message, wParam, lParam, 0};
    // No exception may cross into the system's frames.
    try {
        instance->handler_(m);
    } catch (...) {
        Application->HandleException(nullptr);
    }
    return m.Result;
}
