#include "skin/data/skin_broadcast.h"

#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "platform/display/headless_display.h"

using namespace skin;
using framework::TComponent;

namespace {

TEST(SkinBroadcastOrder, Cases) {
    TComponent owner(nullptr), a(nullptr), b(nullptr), layer(nullptr);
    const std::string layerClass(kLayerWindowClassName);
    const std::vector<AppForm> forms = {
        {&a, "TForm1", {}}, {&layer, layerClass, {}}, {&owner, "TForm2", {}}, {&b, "TForm3", {}}};
    struct Case {
        const char* what;
        const TComponent* owner;
        bool layeredBorders;
        int32_t layerPicture;
        std::vector<size_t> order;
    };
    const Case cases[] = {
        {"owner first without layered borders", &owner, false, -1, {2, 0, 3}},
        {"owner first even with a layer picture", &owner, false, 0, {2, 0, 3}},
        {"layered borders without a picture: forward", &owner, true, -1, {0, 2, 3}},
        {"layered borders with a picture: backward", &owner, true, 3, {3, 2, 0}},
        {"no owner", nullptr, false, -1, {0, 2, 3}},
        {"no owner, layered", nullptr, true, 0, {3, 2, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SkinBroadcastOrder(forms, c.owner, c.layeredBorders, c.layerPicture), c.order) << c.what;

    TComponent stranger(nullptr);
    EXPECT_EQ(SkinBroadcastOrder(forms, &stranger, false, -1), (std::vector<size_t>{0, 2, 3}))
        << "an owner that is not among the forms is not served first";
    EXPECT_EQ(SkinBroadcastOrder({}, &owner, false, -1), std::vector<size_t>{});
    EXPECT_EQ(SkinBroadcastOrder({{&layer, layerClass, {}}}, &layer, false, -1), std::vector<size_t>{0})
        << "an owner form is served first whatever its class";
}

TEST(SkinBroadcast, WithoutAProviderThereAreNoForms) {
    AppFormsProvider previous = SetAppFormsProvider({});
    EXPECT_TRUE(ApplicationForms().empty());
    SetAppFormsProvider([] { return std::vector<AppForm>{{nullptr, "TForm1", {}}}; });
    EXPECT_EQ(ApplicationForms().size(), 1u);
    SetAppFormsProvider(previous);
}

class TForm1 : public framework::TForm {
  public:
    using TForm::TForm;
    std::vector<uint32_t> heard;

  protected:
    void Dispatch(framework::TMessage& message) override {
        if (message.Msg >= 0x4C9 && message.Msg <= 0x594)
            heard.push_back(message.Msg);
        TForm::Dispatch(message);
    }
};

TEST(SkinBroadcast, TheProviderFromTheStartListsTheApplicationsFormsInOrder) {
    EXPECT_TRUE(ApplicationForms().empty()) << "no application: no forms";
    platform::HeadlessDisplay display;
    framework::TApplication application;
    auto* main = application.CreateForm<TForm1>();
    auto* second = new framework::TForm(main);
    const std::vector<AppForm> forms = ApplicationForms();
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[0].form, main);
    EXPECT_EQ(forms[0].className, "TForm1");
    EXPECT_EQ(forms[1].form, second);
    EXPECT_EQ(forms[1].className, "TForm");
    EXPECT_TRUE(main->HandleAllocated()) << "listing a form makes its window";
    forms[0].send(0x4C9, 0, 1000);
    EXPECT_EQ(main->heard, std::vector<uint32_t>{0x4C9});
    delete second;
    forms[1].send(0x4CA, 0, 1000);  // a form gone meanwhile is skipped
}

}  // namespace
