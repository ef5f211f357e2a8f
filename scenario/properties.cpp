#include "scenario/properties.h"

#include <charconv>
#include <cstdio>

namespace velondo::scenario {

std::string NumberText(double v) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, p) : std::to_string(v);
}

namespace {
std::string Flag(bool b) { return b ? "1" : "0"; }
bool ParseFlag(const std::string& v, bool* out) {
    if (v == "1" || v == "True" || v == "true") return *out = true, true;
    if (v == "0" || v == "False" || v == "false") return *out = false, true;
    return false;
}
bool ParseDouble(const std::string& v, double* out) {
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), *out);
    return ec == std::errc() && p == v.data() + v.size();
}
bool ParseColor(const std::string& v, Color* out) {
    unsigned long n = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (ec != std::errc() || p != v.data() + v.size()) return false;
    *out = static_cast<Color>(n);
    return true;
}
}  // namespace

const std::vector<std::string>& PropertyNames() {
    static const std::vector<std::string> names = {
        "Visible",   "Enabled",   "Caption", "Text",        "ToolTip",   "Picture",  "BackColor",
        "ForeColor", "FillColor", "On",      "Left",        "Top",       "Width",    "Height",
        "FontSize",  "FontBold",  "Border",  "BorderWidth", "ListIndex", "ListCount"};
    return names;
}

std::optional<std::string> GetProperty(const Control& c, const std::string& p,
                                       const std::string& dataRoot) {
    if (p == "Visible") return Flag(c.visible);
    if (p == "Enabled") return Flag(c.enabled);
    if (p == "Caption") return c.caption;
    if (p == "Text") return c.text;
    if (p == "ToolTip") return c.toolTip;
    if (p == "Picture") {
        if (!dataRoot.empty() && c.picture.rfind(dataRoot, 0) == 0)
            return c.picture.substr(dataRoot.size());
        return c.picture;
    }
    if (p == "BackColor") return std::to_string(c.backColor);
    if (p == "ForeColor") return std::to_string(c.foreColor);
    if (p == "FillColor") return std::to_string(c.fillColor);
    if (p == "On") return Flag(c.on);
    if (p == "Left") return NumberText(c.left);
    if (p == "Top") return NumberText(c.top);
    if (p == "Width") return NumberText(c.width);
    if (p == "Height") return NumberText(c.height);
    if (p == "FontSize") return NumberText(c.fontSize);
    if (p == "FontBold") return Flag(c.bold);
    if (p == "Border") return Flag(c.border);
    if (p == "BorderWidth") return std::to_string(c.borderWidth);
    if (p == "ListIndex") return std::to_string(c.listIndex);
    if (p == "ListCount") return std::to_string(c.items.size());
    // List(i): the text of item i, 0 first.
    if (p.rfind("List(", 0) == 0 && p.size() > 6 && p.back() == ')') {
        int i = -1;
        const char* b = p.data() + 5;
        const char* e = p.data() + p.size() - 1;
        auto [end, ec] = std::from_chars(b, e, i);
        if (ec != std::errc() || end != e || i < 0 || i >= static_cast<int>(c.items.size()))
            return std::nullopt;
        return c.items[static_cast<size_t>(i)];
    }
    return std::nullopt;
}

bool SetProperty(Control& c, const std::string& p, const std::string& v,
                 const std::string& dataRoot) {
    if (p == "Visible") return ParseFlag(v, &c.visible);
    if (p == "Enabled") return ParseFlag(v, &c.enabled);
    if (p == "On") return ParseFlag(v, &c.on);
    if (p == "FontBold") return ParseFlag(v, &c.bold);
    if (p == "Border") return ParseFlag(v, &c.border);
    if (p == "Caption") return c.caption = v, true;
    if (p == "Text") return c.text = v, true;
    if (p == "ToolTip") return c.toolTip = v, true;
    if (p == "Picture") return c.picture = v.empty() ? v : dataRoot + v, true;
    if (p == "BackColor") return ParseColor(v, &c.backColor);
    if (p == "ForeColor") return ParseColor(v, &c.foreColor);
    if (p == "FillColor") return ParseColor(v, &c.fillColor);
    if (p == "Left") return ParseDouble(v, &c.left);
    if (p == "Top") return ParseDouble(v, &c.top);
    if (p == "Width") return ParseDouble(v, &c.width);
    if (p == "Height") return ParseDouble(v, &c.height);
    if (p == "FontSize") return ParseDouble(v, &c.fontSize);
    if (p == "ListIndex") {
        double i = 0;
        if (!ParseDouble(v, &i) || i < -1 || i >= static_cast<double>(c.items.size())) return false;
        c.listIndex = static_cast<int>(i);
        return true;
    }
    return false;
}

}  // namespace velondo::scenario
