// Every module header (the one include per module: Unit1, bsSkinData, bsUtils, ...) compiles on
// its own and brings its module's chief types. Nothing else includes some of them, so this source
// keeps them honest; a new module header belongs here too.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "skin/controls/bsSkinBoxCtrls.h"
#include "skin/controls/bsSkinCtrls.h"
#include "skin/controls/bsSkinTabs.h"
#include "skin/data/bsSkinData.h"
#include "skin/data/bszlibcompress.h"
#include "skin/menus/bsSkinHint.h"
#include "skin/menus/bsSkinMenus.h"
#include "skin/render/bsEffects.h"
#include "skin/render/bsUtils.h"

namespace {

template <class... T>
constexpr bool Complete = ((sizeof(T) > 0) && ...);

static_assert(Complete<app::TForm1, app::PanelState, app::BuiltQuery>, "Unit1");
static_assert(Complete<app::TForm2>, "Unit2");
static_assert(Complete<skin::TbsSkinUpDown>, "bsSkinBoxCtrls");
static_assert(Complete<skin::TbsSkinControl, skin::TbsSkinCustomControl>, "bsSkinCtrls");
static_assert(Complete<skin::TbsSkinTabControl, skin::TabSkin>, "bsSkinTabs");
static_assert(Complete<skin::TbsSkinData, skin::TbsCompressedStoredSkin, skin::TbsCompressedSkinList>,
              "bsSkinData");
static_assert(Complete<skin::TCompressionStream, skin::TDecompressionStream>, "bszlibcompress");
static_assert(Complete<skin::TbsSkinPopupMenu, skin::TbsSkinMenuItem, skin::TbsSkinPopupWindow>,
              "bsSkinMenus");
static_assert(Complete<skin::TbsSkinHint, skin::TbsSkinHintWindow>, "bsSkinHint");
static_assert(Complete<skin::TbsBitmap, skin::TbsEffectBmp>, "bsEffects");
static_assert(Complete<skin::TbsLayerManager, skin::Picture>, "bsUtils");

}  // namespace
