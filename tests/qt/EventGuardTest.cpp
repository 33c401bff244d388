// The Linux program's one guard: a handler that throws costs its event, not the program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

#include "engine/StepError.h"
#include "forms/Form.h"
#include "forms/Layout.h"
#include "qt/DialogWindow.h"
#include "qt/Program.h"

namespace textmend {
namespace {

int argc = 1;
char arg0[] = "textmend_qt_guard_tests";
char* argv[] = {arg0, nullptr};

TEST(EventGuard, AnExceptionFromAHandlerIsReportedAndTheEventLoopGoesOn) {
    const QApplication app(argc, argv);
    const struct {
        const char* event;
        std::function<void()> handler;
        const char* report;
    } cases[] = {
        {"Click cmdProcess", [] { throw StepError(5, "Input/output error"); },
         "Input/output error"},
        {"Tick Timer1", [] { throw std::bad_alloc(); }, "bad_alloc"},
        {"hotkey pressed", [] { throw 42; }, "unknown exception"},
    };
    for (const auto& c : cases) {
        bool reachedNextEvent = false;
        QTimer::singleShot(0, [&] { Program::Guard(c.event, c.handler); });
        QTimer::singleShot(0, [&] {
            reachedNextEvent = true;
            QCoreApplication::quit();
        });
        testing::internal::CaptureStderr();
        QApplication::exec();
        const std::string report = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(reachedNextEvent) << c.event;
        EXPECT_NE(report.find(c.event), std::string::npos) << report;
        EXPECT_NE(report.find(c.report), std::string::npos) << report;
    }
}

// A dialog whose every handler fails.
class FailingForm : public Form {
  public:
    FailingForm() : Form(AboutLayout()) {}
    bool Click(std::string_view) override { throw StepError(2, "No such file or directory"); }
};

TEST(EventGuard, ADialogsEventsGoThroughTheGuard) {
    const QApplication app(argc, argv);
    FailingForm form;
    DialogWindow window(
        form, [] {}, &Program::Guard, Icons{}, nullptr);
    auto* ok = window.findChild<QPushButton*>("cmdOK");
    ASSERT_NE(ok, nullptr);
    testing::internal::CaptureStderr();
    ok->click();
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("Click cmdOK"), std::string::npos) << report;
    EXPECT_FALSE(form.Unloaded());
}

}  // namespace
}  // namespace textmend
