#pragma once
// A whole editor window on the offscreen platform, with a sink that records what would be sent.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "eq/fake_audio_capture.h"
#include "ui/frame/main_window.h"
#include "ui/widgets/scripted_messages.h"

namespace aec::test {

// The one QApplication of the test program.
QApplication& testApplication();

// Stores like an off-line SetParameter and records every value handed to it, that is every
// value that would go to the processor. A refresh hands it nothing.
class RecordingSink : public ParameterSink {
  public:
    explicit RecordingSink(Model& model) : m_model(model) {}
    void SetParameter(int a, int v) override {
        m_model.StoreValue(a, v);
        sent.emplace_back(a, v);
    }
    void SetParameterPaced(int a, int v) override { SetParameter(a, v); }
    // Values sent by device address, as they would go out.
    void SendDeviceValuePaced(int a, int v) override { deviceSent.emplace_back(a, v); }
    std::vector<std::pair<int, int>> sent;
    std::vector<std::pair<int, int>> deviceSent;

  private:
    Model& m_model;
};

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    template <class T = QWidget>
    T* w(const char* name) {
        T* found = window->control<T>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    EditBox* edit(const char* name) { return w<EditBox>(name); }
    // Clicks an edit box, replaces its text by typing and presses Enter.
    void typeInto(const char* name, const char* text);
    void selectTab(int tab);
    int sheet() const;

    // The window's preset folder: private to the test.
    QTemporaryDir presetFolder;
    Model model;
    RecordingSink sink{model};
    ScriptedMessages messages;
    FakeAudioCapture audio;
    std::unique_ptr<TForm1> window;
};

}  // namespace aec::test
