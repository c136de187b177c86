// Loading a skin package of the shipped skin's size (about 98 KB compressed, 687 KB inflated,
// 2,000 INI lines, 13 objects, 63 controls) beside the raw zlib inflate of the same bytes, the
// floor any load stands on. BM_LoadOverInflate times both alternately in one loop and reports
// their ratio as the counter "load/inflate".
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <random>

#include "skin/data/ini_document.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_streams.h"

namespace {

using framework::TBitmap;
using framework::TPixelFormat;

// Smooth faces with a little grain: compresses about as well as the shipped pictures.
TBitmap Picture(int32_t w, int32_t h, TPixelFormat format, int paletteSize, std::mt19937& rng) {
    TBitmap picture;
    picture.SetPixelFormat(format);
    if (paletteSize > 0) {
        std::vector<platform::COLORREF> palette;
        for (int i = 0; i < paletteSize; ++i)
            palette.push_back(platform::RGB(uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)));
        picture.SetPalette(palette);
    }
    picture.SetSize(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t grain = rng() % 13 == 0 ? uint8_t(rng() % 8) : 0;
            uint8_t v = uint8_t((x / 9 * 23 + y / 7 * 41) + grain);
            picture.SetPixel(x, y, platform::RGB(v, uint8_t(v * 2), uint8_t(v * 3)));
        }
    return picture;
}

std::vector<std::string> IniLines() {
    skin::IniDocument ini;
    ini.WriteString("VERSION", "skinname", "bench");
    const char* pictures[] = {"active.bmp", "pw.bmp", "menuitems.bmp", "controls.bmp", "hw.bmp", "mdibg.bmp"};
    ini.WriteString("PICTURES", "picture", "main.bmp");
    ini.WriteString("PICTURES", "activepicturescount", "6");
    for (int i = 0; i < 6; ++i) ini.WriteString("PICTURES", std::to_string(i), pictures[i]);
    skin::TbsFormInfo().Save(ini);
    skin::TbsSkinColors().Save(ini);
    skin::TbsDataSkinPopupWindow().Save(ini);
    skin::TbsDataSkinHintWindow().Save(ini);
    const char* objectTypes[] = {
        "menuitem",          "caption",           "stdbutton", "stdbutton",         "stdbutton",
        "stdbutton",         "mainmenubaritem",   "stdbutton", "mainmenubarbutton", "mainmenubarbutton",
        "mainmenubarbutton", "mainmenubarbutton", "stdbutton"};
    ini.WriteString("SKINOBJECTS", "count", "13");
    for (int i = 0; i < 13; ++i) {
        std::string name = "object" + std::to_string(i);
        ini.WriteString("SKINOBJECTS", std::to_string(i), name + ":" + objectTypes[i]);
        skin::CreateSkinObject(objectTypes[i], name)->Save(ini);
    }
    std::vector<std::string_view> controlTypes = skin::SkinControlTypeNames();
    ini.WriteString("SKINCONTROLS", "count", "63");
    for (int i = 0; i < 63; ++i) {
        std::string name = "control" + std::to_string(i);
        std::string_view type = controlTypes[size_t(i * 7) % controlTypes.size()];
        ini.WriteString("SKINCONTROLS", std::to_string(i), name + ":" + std::string(type));
        // Sections of the shipped size: about 27 keys a record.
        auto record = skin::CreateSkinControl(type, name);
        skin::IniDocument full;
        record->Save(full);
        int kept = 0;
        for (const auto& e : *full.Entries(name))
            if (kept++ < 27)
                ini.WriteString(name, e.key, e.value);
    }
    return ini.ToLines();
}

struct ShippedSizeSkin {
    skin::TbsCompressedStoredSkin stored{nullptr};
    size_t inflatedSize = 0;
    size_t iniLines = 0;

    ShippedSizeSkin() {
        std::mt19937 rng(7);
        TBitmap frame = Picture(158, 136, TPixelFormat::pf8bit, 255, rng);
        std::vector<TBitmap> active = {Picture(58, 102, TPixelFormat::pf8bit, 210, rng),
                                       Picture(61, 40, TPixelFormat::pf24bit, 0, rng),
                                       Picture(54, 100, TPixelFormat::pf8bit, 255, rng),
                                       Picture(539, 362, TPixelFormat::pf24bit, 0, rng),
                                       Picture(47, 21, TPixelFormat::pf8bit, 9, rng),
                                       Picture(100, 100, TPixelFormat::pf8bit, 256, rng)};
        std::vector<std::string> lines = IniLines();
        iniLines = lines.size();
        framework::TMemoryStream package, compressed;
        skin::WriteSkinPackage(package, frame, {}, {}, active, lines);
        inflatedSize = size_t(package.Size());
        skin::CompressStream(package, compressed);
        compressed.SetPosition(0);
        stored.ReadCompressedData(compressed);
    }
};

const ShippedSizeSkin& Skin() {
    static ShippedSizeSkin skin;
    return skin;
}

void Describe(benchmark::State& state) {
    state.counters["compressed_KB"] = double(Skin().stored.CompressedData().size()) / 1000;
    state.counters["inflated_KB"] = double(Skin().inflatedSize) / 1000;
    state.counters["ini_lines"] = double(Skin().iniLines);
}

void RawInflate(std::vector<uint8_t>& out) {
    const auto& in = Skin().stored.CompressedData();
    uLongf size = uLongf(out.size());
    if (uncompress(out.data(), &size, in.data(), uLong(in.size())) != Z_OK)
        std::abort();
}

void BM_LoadStoredSkin(benchmark::State& state) {
    skin::TbsSkinData data(nullptr);
    for (auto _ : state) {
        data.LoadStoredSkin(Skin().stored);
        benchmark::DoNotOptimize(data.SkinControls().data());
    }
    if (data.SkinObjects().size() != 13 || data.SkinControls().size() != 63)
        state.SkipWithError("wrong skin");
    Describe(state);
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

void BM_RawInflate(benchmark::State& state) {
    std::vector<uint8_t> out(Skin().inflatedSize);
    for (auto _ : state) {
        RawInflate(out);
        benchmark::DoNotOptimize(out.data());
    }
    Describe(state);
}
BENCHMARK(BM_RawInflate)->Unit(benchmark::kMillisecond);

void BM_LoadOverInflate(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    skin::TbsSkinData data(nullptr);
    std::vector<uint8_t> out(Skin().inflatedSize);
    double load = 0, inflate = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        data.LoadStoredSkin(Skin().stored);
        auto t1 = Clock::now();
        RawInflate(out);
        auto t2 = Clock::now();
        load += std::chrono::duration<double>(t1 - t0).count();
        inflate += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.counters["load/inflate"] = load / inflate;
}
BENCHMARK(BM_LoadOverInflate)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
