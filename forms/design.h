#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The design of a window as its design sheet gives it: what a reviewer checks line by line. It
// is plain constant data, the same for every toolkit; each forms runtime turns it into real
// windows and controls. Rectangles are in twips (1/1440 inch) from the client area's top-left
// corner, font sizes in points.
namespace forms {

struct FontDesign
{
    std::u16string_view face; // "宋体" or "黑体"; charset GB2312 throughout
    double points = 0;
    bool bold = false;
};

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

enum class ControlKind { Label, TextBox, CommandButton };

// One row of a window's design.
struct ControlDesign
{
    ControlKind kind;
    std::string_view name; // the design name, by which handlers and tests find the control
    std::u16string_view caption; // a label's or button's caption; a text box's design text
    int left;
    int top;
    int width;
    int height;
    std::optional<FontDesign> font; // none: the window's font
    std::optional<Rgb> foreColor; // none: the platform's default
    int tabIndex;
    // The label that names a text box for screen readers; it stands just before the box.
    std::string_view labelledBy = {};
};

// A fixed single border has a caption bar with a close box only and cannot be resized; a
// window without a border has no frame and no caption bar at all.
enum class BorderStyle { FixedSingle, None };

// A timer that ticks from the window's creation on; it is never drawn.
struct TimerDesign
{
    std::string_view name;
    int interval; // milliseconds
};

struct WindowDesign
{
    std::string_view name;
    std::u16string_view caption;
    BorderStyle borderStyle;
    bool showInTaskbar;
    bool hasIcon; // the program's icon in the caption bar and taskbar button
    int clientWidth;
    int clientHeight;
    std::optional<FontDesign> font; // the window font, taken by controls without their own
    std::span<const ControlDesign> controls;
    std::optional<TimerDesign> timer = {};
};

} // namespace forms
