#include "tools/tzsim/StateJson.h"

#include <cstdio>

namespace tzsim {

namespace {

// A small writer that keeps commas and nesting right.
class Json {
public:
    Json& open(const char* key, char bracket)
    {
        keyed(key);
        out_ += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char bracket)
    {
        out_ += bracket;
        first_ = false;
        return *this;
    }
    Json& num(const char* key, long long v)
    {
        keyed(key);
        out_ += std::to_string(v);
        return *this;
    }
    Json& boolean(const char* key, bool v)
    {
        keyed(key);
        out_ += v ? "true" : "false";
        return *this;
    }
    Json& str(const char* key, const std::string& v)
    {
        keyed(key);
        out_ += '"';
        for (char c : v) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char b[8];
                std::snprintf(b, sizeof b, "\\u%04x", c);
                out_ += b;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
        return *this;
    }
    const std::string& text() const { return out_; }

private:
    void keyed(const char* key)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        if (key) {
            out_ += '"';
            out_ += key;
            out_ += "\":";
        }
    }
    std::string out_;
    bool first_ = true;
};

void dateFields(Json& j, const DateTime& t)
{
    j.num("year", t.year).num("month", t.month).num("day", t.day).num("hour", t.hour);
    j.num("minute", t.minute).num("second", t.second);
}

void picture(Json& j, const Picture& p)
{
    j.open("picture", '{').num("brightness", p.brightness).num("contrast", p.contrast);
    j.num("saturation", p.saturation).open("colorBalance", '[');
    for (int v : p.colorBalance)
        j.num(nullptr, v);
    j.close(']').close('}');
}

void timer(Json& j, const char* key, const PowerTimer& t)
{
    j.open(key, '{').boolean("enabled", t.enabled);
    dateFields(j, t.at);
    j.close('}');
}

}  // namespace

std::string stateJson(const Processor& p, double nowMs)
{
    const DeviceState& s = p.state();
    const WallConfig& w = p.wall();
    Json j;
    j.open(nullptr, '{');
    j.open("wall", '{').num("columns", w.columns).num("rows", w.rows).num("mpdCount", w.mpdCount);
    j.num("mpdWidth", w.mpdWidth).num("mpdHeight", w.mpdHeight).close('}');
    j.boolean("power", s.powerOn).boolean("upgradeMode", s.upgradeMode);
    j.open("clock", '{').boolean("valid", s.clock.valid);
    dateFields(j, p.clockAt(nowMs));
    j.close('}');
    timer(j, "powerOffTimer", s.powerOffTimer);
    timer(j, "powerOnTimer", s.powerOnTimer);
    j.num("resolution", s.resolution).num("naturalScene", s.naturalScene);
    j.num("hdBaseImage", s.hdBaseImage).num("startupImage", s.startupImage);
    j.num("edgeMask", s.edgeMask).num("factorySaves", s.factorySaves);
    j.num("factoryRestores", s.factoryRestores);
    j.open("powerUp", '{').num("drv", s.powerUp.drv).num("mpd", s.powerUp.mpd);
    j.num("subtitle", s.powerUp.subtitle).open("shieldEdge", '[');
    for (int v : s.powerUp.shieldEdge)
        j.num(nullptr, v);
    j.close(']').close('}');
    j.open("boards", '[');
    for (const auto& [id, b] : s.boards) {
        j.open(nullptr, '{').num("board", id).str("name", p.boardName(id));
        j.num("columns", b.columns).num("rows", b.rows).num("order", b.order);
        j.num("input", b.input).num("menu", b.menu).num("autoPositions", b.autoPositions);
        picture(j, b.picture);
        j.open("panelSize", '[');
        for (int v : b.panelSize)
            j.num(nullptr, v);
        j.close(']').boolean("panelSizeComplete", b.panelSizeComplete).close('}');
    }
    j.close(']').open("pips", '[');
    for (const auto& [id, pip] : s.pips) {
        j.open(nullptr, '{').num("window", id).boolean("on", pip.on).num("x", pip.x);
        j.num("y", pip.y).num("width", pip.width).num("height", pip.height);
        j.num("transparency", pip.transparency).num("input", pip.input);
        picture(j, pip.picture);
        j.close('}');
    }
    j.close(']').open("crosspoints", '[');
    for (const auto& [key, c] : s.crosspoints) {
        j.open(nullptr, '{').str("protocol", c.protocol).num("address", c.address);
        j.num("kind", c.kind).num("output", c.output).num("input", c.input).close('}');
    }
    j.close(']').open("presets", '[');
    for (const auto& [n, frames] : p.presets()) {
        j.open(nullptr, '{').num("preset", n).num("frames", static_cast<long long>(frames.size()));
        j.close('}');
    }
    j.close(']').num("recordingPreset", p.recordingPreset());
    j.close('}');
    return j.text() + "\n";
}

}  // namespace tzsim
