#pragma once

#include "tests/forms/memoryruntime.h"
#include "ui/query/form1.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

// The support of the handler tests: the query window loaded and shown on the in-memory runtime,
// whichever table it is built on, with what a test types, clicks and reads.
struct Form1Harness
{
    memoryforms::MemoryRuntime runtime;
    std::unique_ptr<Form1> form;
    memoryforms::MemoryWindow *window = nullptr;

    // `prepare` sets the runtime up (screens, late frames) before the window exists; `added` is a
    // list added to the program, which replaces the compiled-in records.
    explicit Form1Harness(const std::function<void(memoryforms::MemoryRuntime &)> &prepare = {},
        const SealedTable *added = nullptr)
    {
        if (prepare) {
            prepare(runtime);
        }
        form = std::make_unique<Form1>(runtime, added);
        window = runtime.window("Form1");
        form->Form_Load();
        window->setVisible(true);
    }

    std::u16string text(int index) const
    {
        return window->find("Text1(" + std::to_string(index) + ")").text();
    }
    void type(int index, std::u16string_view text) const
    {
        window->find("Text1(" + std::to_string(index) + ")").setText(text);
    }
    bool shown(std::string_view name) const { return window->find(name).visible(); }

    void lookUp(std::u16string_view id, std::u16string_view ticket) const
    {
        type(0, id);
        type(1, ticket);
        EXPECT_TRUE(window->click("Command3"));
    }

    bool inInputState() const
    {
        return shown("Text1(0)") && shown("Text1(1)") && shown("Command3") && !shown("Text1(2)")
            && !shown("Text1(3)") && !shown("Label3") && !shown("Label4") && !shown("Command1")
            && !shown("Command2");
    }
    bool inResultState() const
    {
        return shown("Text1(0)") && shown("Text1(1)") && !shown("Command3") && shown("Text1(2)")
            && shown("Text1(3)") && shown("Label3") && shown("Label4") && shown("Command1")
            && shown("Command2");
    }
    // The controls neither state touches.
    bool othersUntouched() const
    {
        const char *names[]
            = {"Label1", "Label2", "Label5", "Label6", "Label7", "Label8", "Command4"};
        return std::ranges::all_of(names, [this](const char *name) { return shown(name); });
    }
};

// The message box of every miss.
inline constexpr std::u16string_view noMatch = u"身份证号或准考证号错误，请重新输入！";
