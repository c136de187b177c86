// Form data: the order in which a form is built (create, bind, references in read order, finishing
// steps in creation order, creation event), what the property tables accept, and the failures.
#include "framework/core/form_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/panel.h"
#include "framework/controls/tab_control.h"
#include "framework/graphics/image_list.h"
#include "framework_fixture.h"

using namespace framework;
using namespace framework::test;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::vector<std::string> g_log;

// A component that tells what happens to it: creation, properties, references (and whether it is
// still loading then), its finishing step and removal notices.
class TRecorder : public TComponent {
public:
    explicit TRecorder(TComponent* owner) : TComponent(owner) { g_log.push_back("create"); }
    void SetPeer(TRecorder* peer) {
        g_log.push_back("ref " + Name() + "->" + (peer ? peer->Name() : "none") + (InState(csLoading) ? " loading" : ""));
        peer_ = peer;
        if (peer) peer->FreeNotification(this);
    }
    void SetTitle(const std::string& title) { g_log.push_back("title " + Name() + "=" + title); }
    void SetData(Bytes data) { this->data.assign(data.begin(), data.end()); }
    void Loaded() override {
        TComponent::Loaded();
        g_log.push_back("loaded " + Name() + (InState(csLoading) ? " still loading" : ""));
    }
    TRecorder* Peer() const { return peer_; }
    std::vector<uint8_t> data;

protected:
    void Notification(TComponent* component, Operation operation) override {
        TComponent::Notification(component, operation);
        if (operation == Operation::opRemove && component == peer_) peer_ = nullptr;
    }

private:
    TRecorder* peer_ = nullptr;
};

void RegisterRecorder() {
    RegisterPersistentClass(ClassTable<TRecorder>("TRecorder", "",
                                                  {Property("Peer", &TRecorder::SetPeer),
                                                   Property("Title", &TRecorder::SetTitle),
                                                   Property("Data", &TRecorder::SetData)}));
}

class TLoadForm : public TForm {
public:
    explicit TLoadForm(TComponent* owner) : TForm(owner) {}
    void Loaded() override {
        TForm::Loaded();
        g_log.push_back("loaded form");
    }
};

class FormData : public FrameworkTest {
protected:
    FormData() {
        g_log.clear();
        RegisterRecorder();
    }
};

const uint8_t kStored[] = {0x78, 0xDA, 0x00, 0xFF, 0x10};

TEST_F(FormData, BuildsInOrderCreateBindReferencesLoadedThenCreation) {
    const framework::FormData data{
        {{"Caption", "加载"}},
        {
            {"TRecorder", "a", "", {{"Peer", Ref{"b"}}, {"Title", "first"}}},
            {"TRecorder", "b", "", {{"Data", Bytes(kStored)}}},
            {"TRecorder", "c", "", {{"Peer", Ref{"a"}}}},
        }};
    auto* form = new TLoadForm(&application);
    form->OnCreate = [](TObject*) { g_log.push_back("create event"); };
    form->LoadFormData(data, [] { g_log.push_back("bind"); });

    EXPECT_THAT(g_log, ElementsAre("create", "title a=first", "create", "create", "bind", "ref a->b loading",
                                   "ref c->a loading", "loaded form", "loaded a", "loaded b", "loaded c",
                                   "create event"));
    auto* b = As<TRecorder>(form->FindComponent("b"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->data, std::vector<uint8_t>(std::begin(kStored), std::end(kStored)));
    EXPECT_FALSE(b->InState(csLoading));
    EXPECT_EQ(form->Caption(), "加载");
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(FormData, ReferencesAreClearedWhenTheReferencedComponentGoes) {
    auto* form = new TLoadForm(&application);
    form->LoadFormData({{}, {{"TRecorder", "a", "", {{"Peer", Ref{"b"}}}}, {"TRecorder", "b", "", {}}}});
    auto* a = As<TRecorder>(form->FindComponent("a"));
    delete form->FindComponent("b");
    EXPECT_EQ(a->Peer(), nullptr);

    // The same for the framework's own references: a tab control's image list.
    auto* tabs = new TTabControl(form);
    auto* images = new TImageList(form);
    tabs->SetImages(images);
    delete images;
    EXPECT_EQ(tabs->Images(), nullptr);
}

TEST_F(FormData, AFailingCreationEventGoesToTheErrorBoxAndTheFormStays) {
    auto* form = new TLoadForm(&application);
    form->OnCreate = [](TObject*) { throw EInvalidOperation("导航失败"); };
    form->LoadFormData({{}, {{"TButton", "go", "", {{"Caption", "Go"}}}}});
    EXPECT_THAT(errorBoxes, ElementsAre("导航失败."));
    EXPECT_NE(form->FindComponent("go"), nullptr);
}

TEST_F(FormData, ControlsGoOnTheirParentsWithTheirProperties) {
    auto* form = new TLoadForm(&application);
    form->LoadFormData(
        {{{"ClientWidth", 400}, {"ClientHeight", 120}, {"Font.Name", "Tahoma"}, {"Font.Height", -11}},
         {
             {"TPanel", "Panel1", "", {{"Left", 3}, {"Top", 3}, {"Width", 300}, {"Height", 62}, {"BevelOuter", Ident{"bvNone"}}}},
             {"TEdit", "m_keyword", "Panel1", {{"Left", 47}, {"Top", 7}, {"TabOrder", 1}, {"Font.Style", SetOf{{"fsBold"}}}}},
             {"TButton", "m_soso", "Panel1", {{"Left", 190}, {"Default", true}, {"Enabled", false}, {"TabOrder", 0}}},
             {"TTabControl", "m_tab", "", {{"Top", 70}, {"Tabs", StringList{"一", "二"}}, {"TabIndex", 1}, {"Color", Ident{"clWindow"}}}},
         }});
    auto* panel = As<TPanel>(form->FindComponent("Panel1"));
    auto* edit = As<TEdit>(form->FindComponent("m_keyword"));
    auto* button = As<TButton>(form->FindComponent("m_soso"));
    auto* tab = As<TTabControl>(form->FindComponent("m_tab"));
    ASSERT_TRUE(panel && edit && button && tab);
    EXPECT_EQ(edit->Parent(), panel);
    EXPECT_EQ(panel->Parent(), form);
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 120);
    EXPECT_EQ(panel->BevelOuter(), TPanelBevel::bvNone);
    // The edit took its own bold font; the button follows the form's.
    EXPECT_TRUE(edit->Font().Style().contains(TFontStyle::fsBold));
    EXPECT_EQ(button->Font().Name(), "Tahoma");
    EXPECT_FALSE(edit->ParentFont());
    EXPECT_TRUE(button->Default());
    EXPECT_FALSE(button->Enabled());
    // Tab order as read, whatever the creation order.
    EXPECT_EQ(button->TabOrder(), 0);
    EXPECT_EQ(edit->TabOrder(), 1);
    EXPECT_EQ(tab->TabCount(), 2);
    EXPECT_EQ(tab->TabIndex(), 1);
    EXPECT_EQ(tab->Color(), platform::clWindow);
}

TEST_F(FormData, BadDescriptionsRaiseOneReadErrorNamingWhatFailed) {
    struct Case {
        ComponentData entry;
        std::string message;
    };
    const Case cases[] = {
        {{"TNoSuchClass", "x", "", {}}, "Class TNoSuchClass not found"},
        {{"TButton", "x", "", {{"Colour", 1}}}, "x.Colour: Property Colour does not exist"},
        {{"TButton", "x", "", {{"Left", "three"}}}, "x.Left: Invalid property value"},
        {{"TButton", "x", "", {{"Left", int64_t(1) << 40}}}, "x.Left: Invalid property value"},
        {{"TButton", "x", "", {{"Align", Ident{"alMiddle"}}}}, "x.Align: Invalid property value"},
        {{"TButton", "x", "", {{"Font.Style", SetOf{{"fsHuge"}}}}}, "x.Font.Style: Invalid property value"},
        {{"TButton", "x", "", {{"Caption.Name", "a"}}}, "x.Caption.Name: Property Caption has no parts"},
        {{"TButton", "x", "nowhere", {}}, "x.Parent"},
        {{"TButton", "x y", "", {}}, "x y.Name"},
        {{"TTabControl", "x", "", {{"Images", Ref{"missing"}}}}, "x.Images: Invalid property value"},
        {{"TTabControl", "x", "", {{"Images", Ref{"TabsForm"}}}}, "x.Images: Invalid property value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        auto* form = new TLoadForm(&application);
        form->SetName("TabsForm");
        try {
            form->LoadFormData({{}, {c.entry}});
            ADD_FAILURE() << "no error";
        } catch (const EReadError& error) {
            EXPECT_THAT(error.Message(), HasSubstr(c.message));
        }
        delete form;
    }
}

TEST_F(FormData, AnyRegisteredClassTakesPartAndAProgramFormUsesTheFormTable) {
    const PersistentClass* table = FindClassOf(TLoadForm(nullptr));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->name, "TForm");
    EXPECT_NE(FindProperty(*table, "Left"), nullptr);
    EXPECT_NE(FindProperty(*table, "TabOrder"), nullptr);
    EXPECT_EQ(FindProperty(*table, "Peer"), nullptr);
}

}  // namespace
