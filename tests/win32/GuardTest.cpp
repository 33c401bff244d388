// The Windows program's one exception guard: a handler that throws is reported
// to the debugger's output with its event's name, and the program goes on,
// inside a modal dialog too.

#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Layout.h"
#include "win32/DialogWindow.h"
#include "win32/Program.h"
#include "win32/Utf.h"

namespace textmend {
namespace {

// What OutputDebugString hands a debugger, caught as the exception it raises
// when there is none attached.
std::vector<std::string> debugOutput;

LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    constexpr DWORD kNarrow = 0x40010006;  // DBG_PRINTEXCEPTION_C
    constexpr DWORD kWide = 0x4001000A;    // DBG_PRINTEXCEPTION_WIDE_C
    if (record.ExceptionCode == kNarrow && record.NumberParameters >= 2) {
        debugOutput.emplace_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    if (record.ExceptionCode == kWide && record.NumberParameters >= 2) {
        debugOutput.push_back(
            WideToUtf8(reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1])));
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

class DebugOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        debugOutput.clear();
        handler_ = AddVectoredExceptionHandler(1, CatchDebugOutput);
    }
    void TearDown() override { RemoveVectoredExceptionHandler(handler_); }

    static bool Mentions(const std::string& text) {
        for (const std::string& line : debugOutput) {
            if (line.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

  private:
    void* handler_ = nullptr;
};

TEST_F(DebugOutput, WhateverAHandlerThrowsIsReportedWithTheEventAndGoesNoFurther) {
    struct Case {
        const char* event;
        void (*handler)();
        const char* reported;
    };
    const Case cases[] = {
        {"cmdProcess Click", [] { throw std::runtime_error("no memory left"); }, "no memory left"},
        {"Timer1 Timer", [] { throw 42; }, "Timer1 Timer"},
    };
    for (const Case& c : cases) {
        debugOutput.clear();
        EXPECT_NO_THROW(Program::Guard(c.event, c.handler)) << c.event;
        EXPECT_TRUE(Mentions(c.event)) << c.event;
        EXPECT_TRUE(Mentions(c.reported)) << c.event;
    }
}

// A dialog's form whose buttons throw on their first click.
class ThrowingForm : public Form {
  public:
    using Form::Form;
    bool Click(std::string_view name) override {
        clicks.emplace_back(name);
        if (clicks.size() == 1) {
            throw std::runtime_error("slip");
        }
        return true;
    }
    std::vector<std::string> clicks;
};

TEST_F(DebugOutput, AModalDialogGoesOnAfterAHandlerThrew) {
    ThrowingForm form(AboutLayout());
    DialogWindow window(
        GetModuleHandleW(nullptr), AboutLayout(), [] {}, &Program::Guard);
    window.Create(form, nullptr);
    ASSERT_NE(window.Hwnd(), nullptr);

    SendMessageW(window.Hwnd(), WM_COMMAND, IDOK, 0);  // Enter: the default button
    SendMessageW(window.Hwnd(), WM_COMMAND, IDOK, 0);

    EXPECT_EQ(form.clicks, (std::vector<std::string>{"cmdOK", "cmdOK"}));
    EXPECT_TRUE(Mentions("cmdOK Click"));
    EXPECT_TRUE(Mentions("slip"));
}

}  // namespace
}  // namespace textmend
