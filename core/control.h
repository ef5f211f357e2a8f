#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/color.h"

namespace velondo {

class ControlRegistry;
class TimerPort;

enum class ControlKind {
    Window,
    Frame,  // a container: its children are placed relative to it
    Label,  // caption, optional opaque background, optional border
    Shape,  // filled rectangle with border (ShpXxx)
    Line,   // from (Left, Top) to (Left + Width, Top + Height)
    Image,  // picture loaded from Picture (a path)
    TextBox,
    ListBox,
};

enum class Align { Left, Center, Right };

// A small picture the view draws in a label in place of a caption: the meaning of an
// options-box button at a glance.
enum class Icon {
    None,
    StaffLine,         // a staff with one coloured line
    KeyboardLine,      // keys with a marker over one of them
    BarLines,          // a staff cut by bar lines
    NameBoxes,         // name boxes under notes, joined by a line
    KeyMovement,       // a key pushed down
    OnlyWhilePressed,  // a green key under a finger
    AlsoOnRelease,     // a green key left lit after the finger
    Shading,           // keys, the outer ones greyed
    ProgramNoises,     // a loudspeaker
    KeyboardSounds,    // a key with sound waves
    ErrorVoice,        // a speaking head with a red cross
    Printer,
};

// One control of a window: the state the view draws and the scripts inspect.
struct Control {
    Control(ControlRegistry& registry, std::string name, ControlKind kind, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string name;
    int index = -1;  // element of a control array, -1 for a single control
    ControlKind kind;
    Control* parent = nullptr;  // frame that contains it; nullptr: the window
    int z = 0;                  // stacking among siblings: higher is drawn later (on top)
    int order = 0;              // declaration order, breaks z ties

    double left = 0, top = 0, width = 0, height = 0;  // twips
    bool visible = true;
    bool enabled = true;
    bool on = false;  // 3-D look (raised/sunken); flat when false

    bool opaque = false;  // labels: background painted
    bool border = false;  // single border
    int borderWidth = 1;
    Color backColor = colors::White;
    Color foreColor = colors::Black;
    Color fillColor = colors::Black;
    Color borderColor = colors::Black;
    bool filled = false;  // shapes: solid fill with fillColor

    std::string caption;
    std::string text;
    std::string toolTip;
    std::string picture;  // full path last given; empty: none
    Icon icon = Icon::None;
    bool stretch = true;  // images fill their box

    std::string fontName = "Arial";
    double fontSize = 8.25;  // points
    bool bold = false;
    bool italic = false;
    Align align = Align::Left;
    bool centredVertically = false;  // captions of buttons sit in the middle of their box
    bool wordWrap = true;
    bool keepsFontOnScale = false;  // a few labels keep their font when the window is scaled
    bool keepsGeometryOnScale = false;

    std::vector<std::string> items;  // list boxes
    int listIndex = -1;

    std::string displayName() const;  // "lblTasto(3)" or "ImgChiave"
    void move(double l, double t, double w, double h) {
        left = l;
        top = t;
        width = w;
        height = h;
    }
    void place(double l, double t) {
        left = l;
        top = t;
    }
};

// An indexed control array with a fixed index range lo..hi.
class ControlArray {
public:
    ControlArray(ControlRegistry& registry, std::string name, ControlKind kind, int lo, int hi);
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    Control& operator[](int i);
    const Control& operator[](int i) const;
    Control& operator()(int i) { return (*this)[i]; }
    bool contains(int i) const { return i >= lo_ && i <= hi_; }
    int lo() const { return lo_; }
    int hi() const { return hi_; }
    const std::string& name() const { return name_; }

private:
    std::string name_;
    int lo_, hi_;
    std::deque<Control> items_;
};

// A window timer: named, with interval and enabled flag. Its port schedules it; the
// event loop fires its handler, one at a time, never inside another handler.
class Timer {
public:
    Timer(ControlRegistry& registry, std::string name, int intervalMs);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    void setEnabled(bool enabled);
    void setInterval(int ms);
    void bind(TimerPort* port) { port_ = port; }

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    TimerPort* port_ = nullptr;
};

// Every control and timer of a window, by name, in declaration order.
class ControlRegistry {
public:
    void add(Control* c);
    void addArray(ControlArray* a);
    void addTimer(Timer* t);

    Control* find(const std::string& name, int index = -1) const;
    ControlArray* findArray(const std::string& name) const;
    Timer* findTimer(const std::string& name) const;
    const std::vector<Control*>& all() const { return all_; }
    const std::vector<Timer*>& timers() const { return timers_; }

private:
    std::vector<Control*> all_;
    std::map<std::string, Control*> singles_;
    std::map<std::string, ControlArray*> arrays_;
    std::vector<Timer*> timers_;
};

}  // namespace velondo
