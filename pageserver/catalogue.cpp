#include "pageserver/catalogue.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <type_traits>
#include <vector>

namespace pageserver {

namespace {

using Words = std::vector<std::string_view>;

// What titles of one category are made of, and what its items cost (in yuan).
struct CategoryWords {
    Words nouns = {};
    Words features = {};
    Words materials = {};
    Words seasons = {};
    Words styles = {};  // empty: the shop-wide styles
    int minPrice = 0;
    int maxPrice = 0;
    Words colors = {};    // empty: the shop-wide colours
    Words patterns = {};  // "s" solid, "t" stripes, "d" dots, "c" checks, "f" floral
};

const Words SharedStyles = {"韩版", "法式", "复古", "简约", "ins风", "小清新",
                            "通勤", "气质", "港味", "日系", "名媛",  "学院风"};
const Words Effects = {"显瘦", "遮肉", "百搭", "洋气", "减龄", "高级感", "宽松", "修身"};
const Words Tags = {"现货速发", "包邮", "新品", "限时折扣", "店长推荐"};

constexpr std::array<Color, 24> Colors{{
    {"黑色", "#2b2b30"},     {"白色", "#f6f3ee"},   {"米白色", "#efe6d2"}, {"杏色", "#e8cda6"},
    {"卡其色", "#c2a374"},   {"驼色", "#b88a5b"},   {"焦糖色", "#a5622f"}, {"酒红色", "#8a2436"},
    {"大红色", "#d1283a"},   {"粉色", "#f3a6b8"},   {"豆沙粉", "#d39a9a"}, {"雾霾蓝", "#8ea4b8"},
    {"藏青色", "#28395a"},   {"天蓝色", "#8cc3e6"}, {"牛仔蓝", "#4a6f9c"}, {"墨绿色", "#2f5a45"},
    {"牛油果绿", "#b2c07a"}, {"薄荷绿", "#a6dbc3"}, {"香芋紫", "#a58dbf"}, {"浅紫色", "#cbb8e0"},
    {"灰色", "#9a9a9f"},     {"姜黄色", "#d8a03a"}, {"咖啡色", "#6a4935"}, {"香槟色", "#e6d1a8"},
}};

// What each category's items are made of, by category position (app::Categories): one row each,
// position 0 (all of women's clothing) without items of its own.
using CategoryTableRows = CategoryWords[app::Categories.size()];
const CategoryTableRows& CategoryTable() {
    static const CategoryWords table[] = {
        // 女装/女士精品: no items of its own
        {},
        // 连衣裙
        {.nouns = {"连衣裙", "长裙", "中长裙", "吊带裙", "衬衫裙"},
         .features = {"收腰", "碎花", "A字", "V领", "泡泡袖", "方领", "荷叶边", "无袖"},
         .materials = {"雪纺", "棉麻", "针织", "真丝"},
         .seasons = {"夏季", "春夏", "春秋"},
         .minPrice = 59,
         .maxPrice = 399,
         .patterns = {"s", "f", "f", "d", "c"}},
        // T恤
        {.nouns = {"T恤", "短袖T恤", "上衣", "打底衫"},
         .features = {"纯棉", "圆领", "印花", "字母", "短款", "落肩"},
         .materials = {"纯棉", "莫代尔", "冰丝"},
         .seasons = {"夏季", "春夏"},
         .minPrice = 19,
         .maxPrice = 129,
         .patterns = {"s", "s", "t", "d"}},
        // 衬衫
        {.nouns = {"衬衫", "衬衣", "长袖衬衫"},
         .features = {"翻领", "条纹", "格子", "泡泡袖", "设计感", "小众"},
         .materials = {"纯棉", "雪纺", "真丝", "亚麻"},
         .seasons = {"春季", "春秋", "秋季"},
         .minPrice = 49,
         .maxPrice = 259,
         .patterns = {"s", "t", "c"}},
        // 裤子
        {.nouns = {"阔腿裤", "休闲裤", "西装裤", "直筒裤", "哈伦裤"},
         .features = {"高腰", "垂感", "九分", "拖地", "松紧腰"},
         .materials = {"冰丝", "棉麻", "针织"},
         .seasons = {"夏季", "春秋", "秋冬"},
         .minPrice = 39,
         .maxPrice = 199,
         .patterns = {"s"}},
        // 牛仔裤
        {.nouns = {"牛仔裤", "直筒牛仔裤", "小脚牛仔裤", "喇叭牛仔裤", "阔腿牛仔裤"},
         .features = {"高腰", "破洞", "九分", "弹力", "复古"},
         .materials = {"弹力棉", "纯棉"},
         .seasons = {"春秋", "四季"},
         .minPrice = 59,
         .maxPrice = 259,
         .colors = {"牛仔蓝", "藏青色", "天蓝色", "黑色", "白色"},
         .patterns = {"s"}},
        // 半身裙
        {.nouns = {"半身裙", "A字裙", "百褶裙", "包臀裙", "伞裙"},
         .features = {"高腰", "中长款", "短款", "格子", "碎花", "开叉"},
         .materials = {"雪纺", "毛呢", "针织", "棉麻"},
         .seasons = {"春夏", "秋冬"},
         .minPrice = 39,
         .maxPrice = 199,
         .patterns = {"s", "c", "f"}},
        // 小背心/小吊带
        {.nouns = {"吊带背心", "小吊带", "背心", "抹胸"},
         .features = {"内搭", "修身", "短款", "蕾丝边", "美背"},
         .materials = {"莫代尔", "冰丝", "纯棉"},
         .seasons = {"夏季"},
         .minPrice = 15,
         .maxPrice = 79,
         .patterns = {"s"}},
        // 马夹
        {.nouns = {"马甲", "马夹", "西装马甲", "针织马甲"},
         .features = {"V领", "无袖", "短款", "叠穿", "复古"},
         .materials = {"针织", "毛呢", "羽绒"},
         .seasons = {"春秋", "秋冬"},
         .minPrice = 49,
         .maxPrice = 199,
         .patterns = {"s", "c"}},
        // 蕾丝衫/雪纺衫
        {.nouns = {"雪纺衫", "蕾丝衫", "雪纺上衣", "蕾丝上衣"},
         .features = {"短袖", "荷叶边", "镂空", "钩花", "仙女", "娃娃领"},
         .materials = {"雪纺", "蕾丝"},
         .seasons = {"夏季", "春夏"},
         .minPrice = 39,
         .maxPrice = 169,
         .patterns = {"s", "d", "f"}},
        // 针织衫
        {.nouns = {"针织开衫", "针织衫", "开衫外套"},
         .features = {"V领", "短款", "薄款", "镂空", "长袖"},
         .materials = {"羊毛", "棉线", "冰丝"},
         .seasons = {"春秋", "春季"},
         .minPrice = 59,
         .maxPrice = 299,
         .patterns = {"s", "t"}},
        // 短外套
        {.nouns = {"短外套", "夹克", "小外套", "棒球服"},
         .features = {"短款", "百搭", "工装", "立领", "oversize"},
         .materials = {"棉", "灯芯绒", "牛仔"},
         .seasons = {"春秋", "秋季"},
         .minPrice = 79,
         .maxPrice = 329,
         .patterns = {"s"}},
        // 西装
        {.nouns = {"西装外套", "小西装", "西服"},
         .features = {"修身", "双排扣", "英伦风", "休闲", "垫肩"},
         .materials = {"醋酸", "羊毛", "亚麻"},
         .seasons = {"春秋", "秋季"},
         .minPrice = 129,
         .maxPrice = 599,
         .patterns = {"s", "c"}},
        // 卫衣/绒衫
        {.nouns = {"卫衣", "连帽卫衣", "圆领卫衣", "加绒卫衣"},
         .features = {"加绒", "印花", "字母", "落肩", "宽松"},
         .materials = {"纯棉", "毛圈", "摇粒绒"},
         .seasons = {"秋冬", "春秋"},
         .minPrice = 49,
         .maxPrice = 229,
         .patterns = {"s"}},
        // 毛衣
        {.nouns = {"毛衣", "高领毛衣", "针织毛衣", "套头毛衣"},
         .features = {"高领", "麻花", "慵懒风", "加厚", "半高领"},
         .materials = {"羊毛", "羊绒", "马海毛"},
         .seasons = {"秋冬", "冬季"},
         .minPrice = 79,
         .maxPrice = 499,
         .patterns = {"s", "t"}},
        // 风衣
        {.nouns = {"风衣", "中长款风衣", "长款风衣"},
         .features = {"双排扣", "收腰", "系带", "英伦风", "过膝"},
         .materials = {"棉", "防水面料"},
         .seasons = {"春秋", "秋季"},
         .minPrice = 199,
         .maxPrice = 899,
         .colors = {"卡其色", "驼色", "米白色", "黑色", "藏青色"},
         .patterns = {"s"}},
        // 毛呢外套
        {.nouns = {"毛呢外套", "大衣", "呢子大衣", "双面呢大衣"},
         .features = {"中长款", "过膝", "茧型", "双面", "赫本风"},
         .materials = {"羊毛", "羊绒"},
         .seasons = {"秋冬", "冬季"},
         .minPrice = 299,
         .maxPrice = 1599,
         .patterns = {"s", "c"}},
        // 棉衣/棉服
        {.nouns = {"棉服", "棉衣", "面包服"},
         .features = {"短款", "加厚", "连帽", "小个子", "宽松"},
         .materials = {"棉", "羽绒棉"},
         .seasons = {"冬季", "冬装"},
         .minPrice = 129,
         .maxPrice = 459,
         .patterns = {"s"}},
        // 羽绒服
        {.nouns = {"羽绒服", "长款羽绒服", "短款羽绒服"},
         .features = {"白鸭绒", "连帽", "加厚", "过膝", "轻薄"},
         .materials = {"90白鸭绒", "白鹅绒"},
         .seasons = {"冬季", "冬装"},
         .minPrice = 299,
         .maxPrice = 1999,
         .patterns = {"s"}},
        // 皮衣
        {.nouns = {"皮衣", "皮夹克", "机车皮衣"},
         .features = {"短款", "修身", "机车", "翻领", "帅气"},
         .materials = {"绵羊皮", "PU"},
         .seasons = {"春秋", "秋冬"},
         .minPrice = 199,
         .maxPrice = 1999,
         .colors = {"黑色", "咖啡色", "焦糖色", "酒红色", "墨绿色"},
         .patterns = {"s"}},
        // 皮草
        {.nouns = {"皮草外套", "貂毛外套", "仿皮草外套"},
         .features = {"短款", "加厚", "毛毛", "名媛"},
         .materials = {"貂毛", "狐狸毛", "环保仿皮草"},
         .seasons = {"冬季"},
         .minPrice = 299,
         .maxPrice = 3999,
         .colors = {"驼色", "白色", "灰色", "黑色", "咖啡色", "香槟色"},
         .patterns = {"s"}},
        // 中老年服装
        {.nouns = {"妈妈装上衣", "中年女装上衣", "奶奶装外套"},
         .features = {"长袖", "印花", "大码", "宽松", "薄款"},
         .materials = {"棉麻", "真丝", "棉"},
         .seasons = {"春秋", "秋冬"},
         .styles = {"中老年", "妈妈装", "洋气中年"},
         .minPrice = 59,
         .maxPrice = 299,
         .patterns = {"s", "f", "d"}},
        // 特大特小服装
        {.nouns = {"大码连衣裙", "胖mm连衣裙", "小个子连衣裙", "加大码长裙"},
         .features = {"遮肉", "收腰", "加肥加大", "V领"},
         .materials = {"雪纺", "棉"},
         .seasons = {"夏季", "春夏"},
         .minPrice = 49,
         .maxPrice = 239,
         .patterns = {"s", "f", "d"}},
        // 职业套装/学生校服/工作制服
        {.nouns = {"职业套装", "西装套裙", "工作服套装", "学院风套装"},
         .features = {"修身", "两件套", "面试", "正装"},
         .materials = {"聚酯纤维", "羊毛"},
         .seasons = {"春秋", "四季"},
         .styles = {"职业", "OL", "通勤", "学院风"},
         .minPrice = 129,
         .maxPrice = 599,
         .colors = {"黑色", "藏青色", "灰色", "米白色", "卡其色"},
         .patterns = {"s", "c"}},
        // 婚纱/旗袍/礼服
        {.nouns = {"旗袍", "晚礼服", "婚纱", "敬酒服", "伴娘服"},
         .features = {"改良", "长款", "拖尾", "一字肩", "收腰"},
         .materials = {"真丝", "蕾丝", "缎面"},
         .seasons = {"四季"},
         .styles = {"复古", "名媛", "气质", "中式"},
         .minPrice = 199,
         .maxPrice = 2999,
         .colors = {"白色", "大红色", "酒红色", "香槟色", "藏青色", "浅紫色"},
         .patterns = {"s", "f"}},
        // 唐装/民族服装/舞台服装
        {.nouns = {"唐装上衣", "汉服上衣", "民族风上衣", "演出服"},
         .features = {"盘扣", "立领", "刺绣", "中国风", "改良"},
         .materials = {"棉麻", "真丝", "缎面"},
         .seasons = {"春秋", "四季"},
         .styles = {"中式", "复古", "民族风"},
         .minPrice = 79,
         .maxPrice = 599,
         .colors = {"大红色", "酒红色", "藏青色", "米白色", "墨绿色", "姜黄色"},
         .patterns = {"s", "f"}},
    };
    static_assert(std::extent_v<decltype(table)> == app::Categories.size(), "one row for each category");
    return table;
}

// splitmix64: small, fast and the same on every platform (unlike the standard distributions).
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [low, high].
    int Between(int low, int high) { return low + int(Next() % uint64_t(high - low + 1)); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    double Unit() { return double(Next() >> 11) / double(1ull << 53); }
    // From a list that is not empty.
    std::string_view Pick(const std::vector<std::string_view>& from) {
        return from[size_t(Between(0, int(from.size()) - 1))];
    }

  private:
    uint64_t state_;
};

const Color& ColorNamed(std::string_view name) {
    for (const Color& c : Colors) {
        if (c.name == name) {
            return c;
        }
    }
    return Colors[0];
}

std::string MakeTitle(Random& random, const CategoryWords& words) {
    const std::string_view style = random.Pick(words.styles.empty() ? SharedStyles : words.styles);
    const std::string_view feature = random.Pick(words.features);
    std::string_view feature2 = random.Pick(words.features);
    if (feature2 == feature) {
        feature2 = random.Pick(Effects);
    }
    const std::string_view noun = random.Pick(words.nouns);
    const std::string_view material = random.Pick(words.materials);
    const std::string_view season = random.Pick(words.seasons);
    const std::string_view effect = random.Pick(Effects);
    std::string title;
    switch (random.Between(0, 2)) {
        case 0:
            for (auto part : {style, feature, noun, std::string_view("女"), season, std::string_view("新款"),
                              material, effect}) {
                title += part;
            }
            break;
        case 1:
            for (auto part : {season, std::string_view("新款"), style, feature, feature2, noun,
                              std::string_view(" "), effect}) {
                title += part;
            }
            break;
        default:
            for (auto part : {std::string_view("【"), random.Pick(Tags), std::string_view("】"), material,
                              feature, noun, std::string_view("女 "), style, effect}) {
                title += part;
            }
            break;
    }
    return title;
}

int PickPlace(Random& random) {
    const auto& places = SellerPlaces();
    int total = 0;
    for (const Place& p : places) {
        total += p.weight;
    }
    int ticket = random.Between(0, total - 1);
    for (size_t i = 0; i < places.size(); ++i) {
        ticket -= places[i].weight;
        if (ticket < 0) {
            return int(i);
        }
    }
    return 0;
}

// Hearts and diamonds are common, crowns rarer, golden crowns rare.
int PickCredit(Random& random) {
    const int roll = random.Between(1, 100);
    if (roll <= 35) {
        return random.Between(0, 4);
    }
    if (roll <= 75) {
        return random.Between(5, 9);
    }
    if (roll <= 94) {
        return random.Between(10, 14);
    }
    return random.Between(15, 19);
}

int64_t PickPrice(Random& random, const CategoryWords& words) {
    // Shop prices end in 8 or 9 yuan, now and then with 90 fen.
    int yuan = random.Between(words.minPrice, words.maxPrice);
    yuan = yuan / 10 * 10 + (random.Chance(60) ? 9 : 8);
    return int64_t(yuan) * 100 + (random.Chance(25) ? 90 : 0);
}

app::ServiceSet PickServices(Random& random, bool mall, bool overseas) {
    using app::Service;
    app::ServiceSet services;
    const auto maybe = [&](Service s, int percent) {
        if (random.Chance(percent)) {
            services.Add(s);
        }
    };
    maybe(Service::CashOnDelivery, overseas ? 0 : 30);
    maybe(Service::AsDescribed, 70);
    maybe(Service::SevenDayReturn, 75);
    maybe(Service::Repair30Days, 10);
    maybe(Service::ConsumerProtection, 60);
    maybe(Service::OverseasGoods, 4);
    if (overseas) {
        services.Add(Service::OverseasGoods);
    }
    if (mall) {
        services.Add(Service::Mall)
            .Add(Service::AsDescribed)
            .Add(Service::SevenDayReturn)
            .Add(Service::ConsumerProtection);
    }
    return services;
}

std::string MakeShopName(Random& random, bool mall) {
    const std::string_view head = random.Pick(Words{"小鹿", "棉花糖", "一朵", "素锦", "南风", "米兰",  "初语",
                                                    "木槿", "晚风",   "橘子", "蔓蔓", "花间", "锦瑟",  "暖暖",
                                                    "伊人", "拾光",   "糖果", "白茶", "云裳", "鹿小姐"});
    const std::string_view tail =
        mall ? std::string_view("旗舰店")
             : random.Pick(Words{"女装", "衣舍", "小铺", "的衣橱", "服饰", "时装屋", "精品店", "家"});
    return std::string(head) + std::string(tail);
}

// The best-selling fifth of the catalogue is what "热卖" finds.
void MarkBestSellers(std::vector<Item>& items) {
    std::vector<int> sales;
    for (const Item& item : items) {
        sales.push_back(item.sales);
    }
    std::sort(sales.rbegin(), sales.rend());
    const int threshold = sales.empty() ? 0 : sales[sales.size() / 5];
    for (Item& item : items) {
        item.hot = item.sales > threshold;
    }
}

}  // namespace

const std::vector<Place>& SellerPlaces() {
    static const std::vector<Place> places{
        {"杭州", "浙江", false, 14}, {"宁波", "浙江", false, 3},
        {"温州", "浙江", false, 3},  {"湖州", "浙江", false, 2},
        {"嘉兴", "浙江", false, 3},  {"上海", "", false, 10},
        {"北京", "", false, 6},      {"天津", "", false, 2},
        {"重庆", "", false, 2},      {"广州", "广东", false, 12},
        {"深圳", "广东", false, 6},  {"东莞", "广东", false, 4},
        {"佛山", "广东", false, 2},  {"中山", "广东", false, 2},
        {"珠海", "广东", false, 1},  {"惠州", "广东", false, 1},
        {"汕头", "广东", false, 1},  {"南京", "江苏", false, 3},
        {"苏州", "江苏", false, 4},  {"无锡", "江苏", false, 2},
        {"常州", "江苏", false, 3},  {"武汉", "湖北", false, 3},
        {"成都", "四川", false, 3},  {"哈尔滨", "黑龙江", false, 1},
        {"济南", "山东", false, 1},  {"青岛", "山东", false, 2},
        {"沈阳", "辽宁", false, 1},  {"大连", "辽宁", false, 1},
        {"福州", "福建", false, 1},  {"厦门", "福建", false, 2},
        {"泉州", "福建", false, 2},  {"西安", "陕西", false, 1},
        {"长沙", "湖南", false, 1},  {"合肥", "安徽", false, 1},
        {"南宁", "广西", false, 1},  {"南昌", "江西", false, 1},
        {"郑州", "河南", false, 1},  {"石家庄", "河北", false, 1},
        {"昆明", "云南", false, 1},  {"贵阳", "贵州", false, 1},
        {"兰州", "甘肃", false, 1},  {"海口", "海南", false, 1},
        {"长春", "吉林", false, 1},  {"呼和浩特", "内蒙古", false, 1},
        {"银川", "宁夏", false, 1},  {"西宁", "青海", false, 1},
        {"太原", "山西", false, 1},  {"乌鲁木齐", "新疆", false, 1},
        {"拉萨", "西藏", false, 1},  {"香港", "", false, 2},
        {"澳门", "", false, 1},      {"台北", "台湾", false, 1},
        {"韩国", "", true, 2},       {"日本", "", true, 2},
        {"美国", "", true, 1},       {"英国", "", true, 1},
        {"法国", "", true, 1},       {"意大利", "", true, 1},
        {"澳洲", "", true, 1},       {"泰国", "", true, 1},
        {"新加坡", "", true, 1},     {"马来西亚", "其它国家", true, 1},
    };
    return places;
}

std::string PlaceLabel(const Place& place) {
    if (place.within.empty() || place.within == "其它国家") {
        return std::string(place.name);
    }
    return std::string(place.within) + " " + std::string(place.name);
}

const Item* Catalogue::Find(int64_t id) const {
    if (id < 1 || id > int64_t(items_.size())) {
        return nullptr;
    }
    return &items_[size_t(id - 1)];
}

Catalogue GenerateCatalogue(uint64_t seed, int itemsPerCategory) {
    Random random(seed);
    std::vector<Item> items;
    const auto& table = CategoryTable();
    for (int n = 0; n < itemsPerCategory; ++n) {
        for (int category = 1; category < int(std::size(table)); ++category) {
            const CategoryWords& words = table[size_t(category)];
            Item item;
            item.id = int(items.size()) + 1;
            item.category = category;
            item.title = MakeTitle(random, words);
            item.priceCents = PickPrice(random, words);
            item.place = PickPlace(random);
            item.credit = PickCredit(random);
            // Sales spread over four orders of magnitude, as in any shop.
            item.sales = int(std::exp(random.Unit() * std::log(30000.0)));
            const int commissionPercent = random.Between(3, 30);
            item.commissionVolume = item.priceCents * item.sales * commissionPercent / 100;
            const bool overseas = SellerPlaces()[size_t(item.place)].overseas;
            const bool mall = !overseas && item.credit >= 8 && random.Chance(35);
            item.services = PickServices(random, mall, overseas);
            item.shop = MakeShopName(random, mall);
            item.color = words.colors.empty() ? Colors[size_t(random.Between(0, int(Colors.size()) - 1))]
                                              : ColorNamed(random.Pick(words.colors));
            const std::string_view pattern = random.Pick(words.patterns);
            item.pattern = pattern == "t"   ? Pattern::Stripes
                           : pattern == "d" ? Pattern::Dots
                           : pattern == "c" ? Pattern::Checks
                           : pattern == "f" ? Pattern::Floral
                                            : Pattern::Solid;
            items.push_back(std::move(item));
        }
    }
    MarkBestSellers(items);
    return Catalogue(std::move(items));
}

const Catalogue& SampleCatalogue() {
    static const Catalogue catalogue = GenerateCatalogue(SampleSeed, SampleItemsPerCategory);
    return catalogue;
}

}  // namespace pageserver
