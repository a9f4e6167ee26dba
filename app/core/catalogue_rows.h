#pragma once
// The fixed part of every tab's topic tree, one table per tab, in the order
// the nodes are added. Included only by catalogue.cpp.
//
// A row adds one node, or a run of nodes when its caption text lists several
// captions separated by "|": the run takes consecutive keys and tags counting
// up from the row's key and tag (for example "q71" ... "q76" with tags
// "$71" ... "$76"). A row may also name where the group's children come from
// when they are not listed here: a file or folder of the program folder, or a
// count of numbered problems.
#include <span>

namespace quorvel::catalogue_rows {

enum RowFlag : unsigned
{
    Plain = 0,
    Expanded = 1,  // expanded once its children are in
    GroupIcon = 2, // a sub-group shown with the group icon
};

enum class Fill
{
    None,
    GradeTopics,         // one child per non-empty line of a grade file
    FolderPages,         // one child per page file of a folder
    Problems,            // "第N题" for N = 1 ... count
    ProblemsWithAnswers, // "第N题" and "第N题答案" for N = 1 ... count
    Lessons,             // one child per line of a lesson index
    QuestionBank,        // chapters and question sets of the question bank
};

struct Children
{
    Fill fill = Fill::None;
    const char16_t *source = nullptr;  // file or folder in the program folder
    const char16_t *skipped = nullptr; // folder pages: the folder's own index page
    int number = 0; // problems: how many; folder pages: the number before the first file
};

constexpr Children gradeTopics(const char16_t *file)
{
    return {Fill::GradeTopics, file};
}
constexpr Children folderPages(const char16_t *folder, const char16_t *indexPage, int numberBase)
{
    return {Fill::FolderPages, folder, indexPage, numberBase};
}
constexpr Children problems(int count)
{
    return {Fill::Problems, nullptr, nullptr, count};
}
constexpr Children problemsWithAnswers(int count)
{
    return {Fill::ProblemsWithAnswers, nullptr, nullptr, count};
}
constexpr Children lessons(const char16_t *file)
{
    return {Fill::Lessons, file};
}
constexpr Children questionBank(const char16_t *file)
{
    return {Fill::QuestionBank, file};
}

struct Row
{
    const char16_t *key;      // first key of the run
    const char16_t *captions; // one caption, or several separated by "|"
    const char16_t *parent;   // nullptr for a top-level group
    const char16_t *tag;      // first tag of the run
    unsigned flags = Plain;
    Children children = {};
};

struct CaptionChange
{
    const char16_t *key;
    const char16_t *caption;
};

// 加减乘除: addition, subtraction, multiplication and division drills by range.
inline constexpr Row fourOperations[] = {
    {u"q1", u"加法", nullptr, u"+0", Expanded},
    {u"q11", u"10以内加法", u"q1", u"+10"},
    {u"q17", u"20以内加法", u"q1", u"+20"},
    {u"q12", u"50以内加法", u"q1", u"+50"},
    {u"q13", u"100以内加法", u"q1", u"+100"},
    {u"q14", u"500以内加法", u"q1", u"+500"},
    {u"q15", u"1000以内加法", u"q1", u"+1000"},
    {u"q16", u"5000以内加法", u"q1", u"+5000"},
    {u"q2", u"减法", nullptr, u"-0", Expanded},
    {u"q21", u"10以内减法", u"q2", u"-10"},
    {u"q27", u"20以内减法", u"q2", u"-20"},
    {u"q22", u"50以内减法", u"q2", u"-50"},
    {u"q23", u"100以内减法", u"q2", u"-100"},
    {u"q24", u"500以内减法", u"q2", u"-500"},
    {u"q25", u"1000以内减法", u"q2", u"-1000"},
    {u"q26", u"5000以内减法", u"q2", u"-5000"},
    {u"q3", u"乘法", nullptr, u"×0", Expanded},
    {u"q31", u"一位数乘法", u"q3", u"×81"},
    {u"q32", u"100内两位数乘一位数", u"q3", u"×100"},
    {u"q38", u"250内两位数乘一位数", u"q3", u"×250"},
    {u"q39", u"250内两位数乘两位数", u"q3", u"×251"},
    {u"q33", u"500内两位数乘一位数", u"q3", u"×500"},
    {u"q37", u"500内两位数乘两位数", u"q3", u"×501"},
    {u"q34", u"1000以内乘法", u"q3", u"×1000"},
    {u"q35", u"5000以内乘法", u"q3", u"×5000"},
    {u"q36", u"10000以内乘法", u"q3", u"×10000"},
    {u"q4", u"除法", nullptr, u"÷0", Expanded},
    {u"q41", u"81以内能整除除法", u"q4", u"÷81"},
    {u"q42", u"100以内能整除除法", u"q4", u"÷100"},
    {u"q43", u"500以内能整除除法", u"q4", u"÷500"},
    {u"q44", u"1000以内能整除除法", u"q4", u"÷1000"},
    {u"q45", u"5000以内能整除除法", u"q4", u"÷5000"},
    {u"q46", u"10000以内能整除除法", u"q4", u"÷10000"},
};

// 加减乘除: the timed level game.
inline constexpr Row levelGame[] = {
    {u"q5111", u"算术过关游戏", nullptr, u"{5111", Expanded},
    {u"q511102", u"加法", u"q5111", u"{511102"},
    {u"q511103", u"减法", u"q5111", u"{511103"},
    {u"q511104", u"乘法", u"q5111", u"{511104"},
    {u"q511105", u"除法", u"q5111", u"{511105"},
};

// At start-up the division drills are named by their range alone.
inline constexpr CaptionChange startupCaptions[] = {
    {u"q41", u"81以内除法"},   {u"q42", u"100以内除法"},  {u"q43", u"500以内除法"},
    {u"q44", u"1000以内除法"}, {u"q45", u"5000以内除法"}, {u"q46", u"10000以内除法"},
};

// 小数计算 reuses the four drill groups with decimal captions.
inline constexpr CaptionChange decimalCaptions[] = {
    {u"q1", u"小数加法"},
    {u"q2", u"小数减法"},
    {u"q3", u"小数乘法"},
    {u"q4", u"小数除法"},
    {u"q41", u"81以内能除尽的除法"},
    {u"q42", u"100以内能除尽的除法"},
    {u"q43", u"500以内能除尽的除法"},
    {u"q44", u"1000以内能除尽的除法"},
    {u"q45", u"5000以内能除尽的除法"},
    {u"q46", u"10000以内能除尽的除法"},
};

// 时间转换: time conversion, intervals, time arithmetic and money.
inline constexpr Row timeAndMoney[] = {
    {u"q7", u"时间转换", nullptr, u"$7", Expanded},
    {u"q77", u"认识钟表和时间", u"q7", u"$77"},
    {u"q71",
     u"时转分（简单）|时转分（较难）|时转秒（简单）|时转秒（较难）|分转时（简单）|"
     u"分转时（较难）",
     u"q7", u"$71"},
    {u"q78", u"各个年级的时间难题", u"q7", u"$78"},
    {u"q77977", u"求时间间隔", nullptr, u"$77977", Expanded},
    {u"q7797701", u"简单", u"q77977", u"$7797701"},
    {u"q7797702", u"中等", u"q77977", u"$7797702"},
    {u"q7797703", u"较难", u"q77977", u"$7797703"},
    {u"q72347", u"时间的计算", nullptr, u"$72347", Expanded},
    {u"q7234701", u"加法|减法|乘法|除法1|除法2", u"q72347", u"$7234701"},
    {u"q78997", u"人民币的计算", nullptr, u"$78997", Expanded},
    {u"q7899701", u"元转角|角转元|加法|减法|乘法|除法", u"q78997", u"$7899701"},
};

// 规律运算: number patterns, comparisons, complements, averages, remainders, powers.
inline constexpr Row patterns[] = {
    {u"q9", u"规律运算", nullptr, u"*9", Expanded},
    {u"q91", u"最简单|简单|中等|较难|最难", u"q9", u"*91"},
    {u"q8", u"比较多少", nullptr, u"&8", Expanded},
    {u"q81", u"多多少（简单）", u"q8", u"&81"},
    {u"q83", u"多多少（较难）", u"q8", u"&83"},
    {u"q82", u"少多少（简单）", u"q8", u"&82"},
    {u"q84", u"少多少（较难）", u"q8", u"&84"},
    {u"q77877", u"求补数", nullptr, u"$77877", Expanded},
    {u"q7787701", u"概念", u"q77877", u"$7787701"},
    {u"q7787702", u"简单", u"q77877", u"$7787702"},
    {u"q7787703", u"中等", u"q77877", u"$7787703"},
    {u"q7787704", u"较难", u"q77877", u"$7787704"},
    {u"q77277", u"求平均数", nullptr, u"$77277", Expanded},
    {u"q7727701", u"概念", u"q77277", u"$7727701"},
    {u"q7727702", u"简单", u"q77277", u"$7727702"},
    {u"q7727703", u"中等", u"q77277", u"$7727703"},
    {u"q7727704", u"较难", u"q77277", u"$7727704"},
    {u"q75975", u"求余数", nullptr, u"{75975", Expanded},
    {u"q7597501", u"简单", u"q75975", u"{7597501"},
    {u"q7597502", u"中等", u"q75975", u"{7597502"},
    {u"q7597503", u"较难", u"q75975", u"{7597503"},
    {u"q75989", u"求平方和立方", nullptr, u"{75989", Expanded},
    {u"q7598901", u"平方计算10以内", u"q75989", u"{7598901"},
    {u"q7598902", u"平方计算20以内", u"q75989", u"{7598902"},
    {u"q7598903", u"立方计算", u"q75989", u"{7598903"},
};

// 分数和比例: fraction arithmetic, then ratios and fraction-to-decimal.
inline constexpr Row fractionsAndRatios[] = {
    {u"q500", u"分数", nullptr, u"{500", Expanded},
    {u"q5002",
     u"简单分子为1分数加法|中等分子为1分数加法|较难分子为1分数加法|简单分子为1分数减法|"
     u"中等分子为1分数减法|较难分子为1分数减法|简单分子任意分数加法|中等分子任意分数加法|"
     u"较难分子任意分数加法|简单分子任意分数减法|中等分子任意分数减法|较难分子任意分数减法|"
     u"简单分子为1分数乘法|中等分子为1分数乘法|较难分子为1分数乘法|简单分子为1分数除法|"
     u"中等分子为1分数除法|较难分子为1分数除法|简单分子任意分数乘法|中等分子任意分数乘法|"
     u"较难分子任意分数乘法|简单分子任意分数除法|中等分子任意分数除法|较难分子任意分数除法",
     u"q500", u"{5002"},
    {u"q98725", u"比和比例", nullptr, u"$98725", Expanded},
    {u"q9872501", u"比和比例的概念", u"q98725", u"$9872501"},
    {u"q9872502", u"解比例-简单", u"q98725", u"$9872502"},
    {u"q9872503", u"解比例-中等", u"q98725", u"$9872503"},
    {u"q9872504", u"解比例-较难", u"q98725", u"$9872504"},
    {u"q76976", u"分数变小数", nullptr, u"{76976", Expanded},
    {u"q7697601", u"简单分数变小数", u"q76976", u"{7697601"},
    {u"q7697602", u"中等分数变小数", u"q76976", u"{7697602"},
    {u"q7697603", u"较难分数变小数", u"q76976", u"{7697603"},
};

// 基础概念: knowledge terms (their children are added on the first click),
// formulas, true-or-false papers and English word lists.
inline constexpr Row basics[] = {
    {u"q600", u"基础知识", nullptr, u"{600", Expanded},
    {u"q6002", u"整数", u"q600", u"{6002"},
    {u"q6003", u"小数", u"q600", u"{6003"},
    {u"q6004", u"分数", u"q600", u"{6004"},
    {u"q6005", u"比例", u"q600", u"{6005"},
    {u"q6006", u"几何", u"q600", u"{6006"},
    {u"q6009", u"几何图形", u"q600", u"{6009"},
    {u"q6013", u"小学数学公式大全", u"q600", u"{6013"},
    {u"q601301", u"小学数学公式1|小学数学公式2|小学数学公式3|小学数学公式4|小学数学公式5", u"q6013",
     u"{601301"},
    {u"q66878", u"判断题", nullptr, u"#66878", Expanded},
    {u"q668781", u"第1份|第2份|第3份|第4份|第5份", u"q66878", u"#668781"},
    {u"q6016", u"小学英语", nullptr, u"{6016", Expanded},
    {u"q6008", u"小学英语牛津版一年级第一学期单词", u"q6016", u"{6008"},
    {u"q6010", u"小学英语牛津版一年级第二学期单词", u"q6016", u"{6010"},
    {u"q6014", u"小学英语牛津版二年级第一学期单词", u"q6016", u"{6014"},
    {u"q6015", u"小学英语牛津版二年级第二学期单词", u"q6016", u"{6015"},
    {u"q6011", u"小学英语PEP版三年级第一学期单词", u"q6016", u"{6011"},
    {u"q6012", u"小学英语PEP版三年级第二学期单词", u"q6016", u"{6012"},
    {u"q6017",
     u"小学英语PEP版四年级第一学期单词|小学英语PEP版四年级第二学期单词|"
     u"小学英语PEP版五年级第一学期单词|"
     u"小学英语PEP版五年级第二学期单词|小学英语PEP版六年级第一学期单词|"
     u"小学英语PEP版六年级第二学期单词",
     u"q6016", u"{6017"},
    {u"q6007", u"小学英语一年级第一学期句子", u"q6016", u"{6007"},
};

// 同步教学: the grade topics come from the grade files 1.txt ... 6.txt.
inline constexpr Row gradeTeaching[] = {
    {u"q5333", u"同步教学", nullptr, u"{5333", Expanded},
    {u"q533302", u"小学1年级", u"q5333", u"{533302", Plain, gradeTopics(u"1.txt")},
    {u"q533303", u"小学2年级", u"q5333", u"{533303", Plain, gradeTopics(u"2.txt")},
    {u"q533304", u"小学3年级", u"q5333", u"{533304", Plain, gradeTopics(u"3.txt")},
    {u"q533305", u"小学4年级", u"q5333", u"{533305", Plain, gradeTopics(u"4.txt")},
    {u"q533306", u"小学5年级", u"q5333", u"{533306", Plain, gradeTopics(u"5.txt")},
    {u"q533307", u"小学6年级", u"q5333", u"{533307", Plain, gradeTopics(u"6.txt")},
    {u"q5222", u"小学各年级知识点总结", nullptr, u"{5222", Expanded},
    {u"q522202",
     u"小学1年级上|小学1年级下|小学2年级上|小学2年级下|小学3年级上|小学3年级下|"
     u"小学4年级上|小学4年级下|小学5年级上|小学5年级下",
     u"q5222", u"{522202"},
};

// 约数和倍数: divisors, multiples, prime factors and interest. The two word
// problem groups get their children on the first click.
inline constexpr Row divisorsAndMultiples[] = {
    {u"q700", u"求最大公约数", nullptr, u"{700", Expanded},
    {u"q7001", u"基本概念|简单|中等|较难|截铜丝|分场地", u"q700", u"{7001"},
    {u"q800", u"求最小公倍数", nullptr, u"{800", Expanded},
    {u"q8001", u"基本概念", u"q800", u"{8001"},
    {u"q8002", u"简单", u"q800", u"{8002"},
    {u"q8003", u"中等", u"q800", u"{8003"},
    {u"q8004", u"较难", u"q800", u"{8004"},
    {u"q8005", u"应用题", u"q800", u"{8005"},
    {u"q8888700", u"分解质因数", nullptr, u"{q8888700", Expanded},
    {u"q8888701", u"基本概念", u"q8888700", u"{8888701"},
    {u"q8888702", u"简单", u"q8888700", u"{8888702"},
    {u"q8888703", u"中等", u"q8888700", u"{8888703"},
    {u"q8888704", u"较难", u"q8888700", u"{8888704"},
    {u"q8888705", u"应用题", u"q8888700", u"{8888705"},
    {u"q75375", u"求利息", nullptr, u"{75375", Expanded},
    {u"q7537508", u"银行存款利率表（练习用，2010年12月）", u"q75375", u"{7537508"},
    {u"q7537501",
     u"活期利息计算|三个月整存利息|六个月整存利息|一年整存利息|二年整存利息|三年整存利息|"
     u"五年整存利息",
     u"q75375", u"{7537501"},
};

// 四则运算: chained and mixed operations, linear equations.
inline constexpr Row mixedOperations[] = {
    {u"q900", u"四则运算", nullptr, u"{900", Expanded},
    {u"q9010",
     u"连加简单|连加中等|连加较难|连减简单|连减中等|连减较难|连加连减简单|连加连减中等|"
     u"连加连减较难",
     u"q900", u"{9010"},
    {u"q9002",
     u"加减乘简单|加减乘中等|加减乘较难|加减乘除简单|加减乘除中等|加减乘除较难|"
     u"结果小数的加减乘除简单|结果小数的加减乘除中等",
     u"q900", u"{9002"},
    {u"q9001", u"结果小数的加减乘除较难", u"q900", u"{9001"},
    {u"q7968", u"一元一次方程", nullptr, u"$7968", Expanded},
    {u"q79681", u"类型1简单", u"q7968", u"$79681"},
    {u"q79683", u"类型1较难", u"q7968", u"$79683"},
    {u"q79682", u"类型2简单", u"q7968", u"$79682"},
    {u"q79684", u"类型2较难|类型3简单|类型3较难|类型4简单|类型4较难", u"q7968", u"$79684"},
};

// 数学游戏
inline constexpr Row games[] = {
    {u"q6", u"数学游戏", nullptr, u"!6", Expanded},
    {u"q61",
     u"拍24点|训练记忆|找数字求和|智力跳棋|测试心算能力|测试点击速度|填方格|"
     u"测试打字速度|猜数的大小",
     u"q6", u"!61"},
    {u"q601", u"四面撞击游戏", u"q6", u"!601"},
    {u"q602", u"测试反应能力", u"q6", u"!602"},
    {u"q603", u"撞击游戏", u"q6", u"!603"},
    {u"q604", u"魔法实验室", u"q6", u"!604"},
    {u"q606", u"冰球大赛|洞中探险|搞笑蹦蹦床|狗狗VS肉骨头|过山小车|海底探宝|数形状", u"q6",
     u"!606"},
};

// 应用题: geometry and word problems.
inline constexpr Row wordProblems[] = {
    {u"q5800", u"几何题", nullptr, u"?5800", Expanded},
    {u"q57257", u"求面积和体积", u"q5800", u"$57257", Expanded | GroupIcon},
    {u"q5725701", u"面积和体积的概念", u"q57257", u"$5725701"},
    {u"q5725702", u"求正方形面积", u"q57257", u"$5725702"},
    {u"q5725716", u"求正方形边长", u"q57257", u"$5725716"},
    {u"q5725703", u"求长方形面积", u"q57257", u"$5725703"},
    {u"q5725704", u"求梯形面积", u"q57257", u"$5725704"},
    {u"q5725705", u"求平行四边形面积", u"q57257", u"$5725705"},
    {u"q5725706", u"求三角形面积", u"q57257", u"$5725706"},
    {u"q5725717", u"求三角形的高", u"q57257", u"$5725717"},
    {u"q5725707",
     u"求圆形面积|求扇形面积|求正方体体积|求长方体体积|求圆柱体体积|求圆锥体体积|"
     u"求圆柱体表面积|面积单位转换|体积单位转换",
     u"q57257", u"$5725707"},
    {u"q58", u"例题", u"q5800", u"?3", GroupIcon},
    {u"q5801", u"求正方形面积", u"q58", u"?801"},
    {u"q5802", u"做红旗", u"q58", u"?802"},
    {u"q5803", u"求长方形周长", u"q58", u"?803"},
    {u"q5804", u"用铁丝围正方形", u"q58", u"?804"},
    {u"q5805", u"长方形变正方形", u"q58", u"?805"},
    {u"q5806", u"长方形的长和宽", u"q58", u"?806"},
    {u"q5807", u"求阴影面积", u"q58", u"?807"},
    {u"q5808", u"正方形里最大的圆", u"q58", u"?808"},
    {u"q5", u"应用题", nullptr, u"?0", Expanded},
    {u"q57", u"应用题-简单", u"q5", u"?7"},
    {u"q56", u"应用题-中等", u"q5", u"?6"},
    {u"q55", u"应用题-较难", u"q5", u"?9"},
};

// 智力题: the puzzle groups, fun problems with their answers, then the puzzles of
// 脑力体操, whose tags are "?" and the last two digits of the key.
inline constexpr Row brainTeasers[] = {
    {u"q55555", u"智力题", nullptr, u"?55555", Expanded},
    {u"q51", u"脑力体操", u"q55555", u"?1", GroupIcon},
    {u"q59", u"智力体操", u"q55555", u"?5", GroupIcon},
    {u"q52", u"标准智力测试题", u"q55555", u"?2", GroupIcon},
    {u"q53565", u"数学趣题", nullptr, u"#53565", Expanded, problemsWithAnswers(86)},
    {u"q511",
     u"猫捉老鼠|猎人的小屋|金山寺大钟|猫狗赛跑|煎饼|上楼梯|网球|汽水瓶|称水|半个小时|"
     u"最后一分钟|蜘蛛的速度|车队的分割|卖西瓜|50枚银元|握手的人数|猜帽子|破密码|"
     u"猜扑克|调饮料|十堆味精|剪布料|666|卖鸡蛋|毛毛虫爬树|骑车人和苍蝇|旅行者和狗|"
     u"渡过海洋的航行|求一个数|战士过河|轮船让路|分饼干|车票上算100|多少镜子|"
     u"扔皮球|剪绳子|摸东西|男孩是谁|摸袜子|摸手套|打电话|剪纸条|修铁路|牛吃草|"
     u"圣诞节礼物|跳机|打灯泡|罚款|求和|刻字的价格|唱针移动了多长|多少人要迟到|"
     u"办事|生日是几号|混合液体|火车过大桥|正方形土地|种多少棵树|插多少面旗|掉鸡蛋|"
     u"爸爸今年多少岁|小敏比小琴多跳几下|分针和时针的夹角|分针转动的角度|前进的距离|"
     u"分桃|每隔几分钟开出一辆车|追草帽",
     u"q51", u"?11"},
};

// 讲座和故事: lectures, and the pages of the book and story folders.
inline constexpr Row lecturesAndStories[] = {
    {u"q666666", u"讲座和故事", nullptr, u"#666666", Expanded},
    {u"q100", u"数学讲座", u"q666666", u"#100", GroupIcon},
    {u"q1001",
     u"添运算符号|数列中的规律|等差数列的认识|等差数列的应用|特殊数列的计算|速算方法（一）|"
     u"速算方法（二）|常用速算方法",
     u"q100", u"#1001"},
    {u"q300", u"教你思考", u"q666666", u"j300", GroupIcon,
     folderPages(u"book", u"教你思考.htm", 3000)},
    {u"q400", u"数学故事", u"q666666", u"g400", GroupIcon,
     folderPages(u"story", u"数学故事.htm", 4000)},
};

// 各年级试卷: exam papers of every grade and their answers.
inline constexpr Row examPapers[] = {
    {u"q200", u"考试试卷", nullptr, u"#200", Expanded},
    {u"q2001",
     u"1年级1学期期中考试题|1年级1学期期末考试题|1年级2学期期中考试题|1年级2学期期末考试题|"
     u"2年级1学期期中考试题|2年级1学期期末考试题|2年级2学期期中考试题|2年级2学期期末考试题|"
     u"3年级1学期期中考试题|3年级1学期期末考试题|3年级2学期期中考试题|3年级2学期期末考试题|"
     u"4年级1学期期中考试题|4年级1学期期末考试题|4年级2学期期中考试题|4年级2学期期末考试题|"
     u"5年级1学期期中考试题|5年级1学期期末考试题|5年级2学期期中考试题|5年级2学期期末考试题|"
     u"6年级1学期期中考试题|6年级1学期期末考试题|6年级2学期期末考试题",
     u"q200", u"#2001"},
    {u"q2000", u"试卷答案", u"q200", u"#2000"},
    {u"q2037",
     u"1年级1学期期中考答案|1年级1学期期末考答案|1年级2学期期中考答案|1年级2学期期末考答案|"
     u"2年级1学期期中考答案|2年级1学期期末考答案|2年级2学期期中考答案|2年级2学期期末考答案|"
     u"3年级1学期期中考答案|3年级1学期期末考答案|3年级2学期期中考答案|3年级2学期期末考答案|"
     u"4年级1学期期中考答案|4年级1学期期末考答案|4年级2学期期中考答案|4年级2学期期末考答案|"
     u"5年级1学期期中考答案|5年级1学期期末考答案|5年级2学期期中考答案|5年级2学期期末考答案|"
     u"6年级1学期期中考答案|6年级1学期期末考答案|6年级2学期期末考答案",
     u"q2000", u"#2037"},
    {u"q636676", u"小升初试卷", nullptr, u"#636676", Expanded},
    {u"q63667601",
     u"工程问题|答案|数论篇1|答案|数论篇2|答案|方程篇|答案|计数篇|答案|逻辑推理篇|"
     u"答案|找规律|答案|百分数篇|答案|名校篇|答案|小升初必读之数学命题趋势分析|"
     u"北大附中寒假班六年级分班考试数学测验卷",
     u"q636676", u"#63667601"},
};

// 学习奥数: olympiad topics, lessons by grade from the lesson indexes, and
// the worked problems.
inline constexpr Row olympiadLessons[] = {
    {u"q299", u"学习奥数", nullptr, u"#299", Expanded},
    {u"q129900", u"基础知识", u"q299", u"#129900", GroupIcon},
    {u"q129901",
     u"归一问题|归总问题|和差问题|和倍问题|差倍问题|植树问题|年龄问题|盈亏问题|"
     u"周期问题|鸡兔同笼|方阵问题|抽屉原理|容斥原理|逻辑推理|数字谜|等差数列|一笔画|"
     u"加法乘法原理|排列与组合|商品利润|存款利率|浓度问题|工程问题|正反比例|牛吃草问题",
     u"q129900", u"#129901"},
    {u"q229900", u"数论知识", u"q299", u"#229900", GroupIcon},
    {u"q229901",
     u"定义新运算|约数和倍数|奇数和偶数|质数与合数|平均数|整数进制|数的整除|余数与同余|"
     u"高斯取整|不定方程",
     u"q229900", u"#229901"},
    {u"q329900", u"图形知识", u"q299", u"#329900", GroupIcon},
    {u"q329901", u"几何计数|周长与面积|长方体正方体|体积与表面积|阴影直线型面积", u"q329900",
     u"#329901"},
    {u"q429900", u"行程问题", u"q299", u"#429900", GroupIcon},
    {u"q429901", u"相遇问题|追及问题|火车过桥|流水行船|时钟问题|发车间隔", u"q429900", u"#429901"},
    {u"q86789", u"按年级分类学习奥数", nullptr, u"#86789", Expanded},
    {u"q8678903", u"三年级奥数", u"q86789", u"#8678903", GroupIcon,
     lessons(u"zimu/3aoshulesson.txt")},
    {u"q8678904", u"四年级奥数", u"q86789", u"#8678904", GroupIcon,
     lessons(u"zimu/4aoshulesson.txt")},
    {u"q8678905", u"五年级奥数", u"q86789", u"#8678905", GroupIcon,
     lessons(u"zimu/5aoshulesson.txt")},
    {u"q8678906", u"六年级奥数", u"q86789", u"#8678906", GroupIcon,
     lessons(u"zimu/6aoshulesson.txt")},
    {u"q66788", u"奥数题详解", nullptr, u"#66788", Expanded, problems(196)},
};

// 奥数试卷: olympiad papers and answers, then the question bank.
inline constexpr Row olympiadPapers[] = {
    {u"q199", u"奥数试卷", nullptr, u"#199", Expanded},
    {u"q2024",
     u"1991年全国奥数题|1992年全国奥数题|1993年全国奥数题|1994年全国奥数题|"
     u"1995年全国奥数题|1996年全国奥数题|1997年全国奥数题|1998年全国奥数题|"
     u"1999年全国奥数题|2000年全国奥数题|2001年全国奥数题|2002年全国奥数题|"
     u"2003年全国奥数题",
     u"q199", u"#2024"},
    {u"q2060",
     u"1991年全国奥数答案|1992年全国奥数答案|1993年全国奥数答案|1994年全国奥数答案|"
     u"1995年全国奥数答案|1996年全国奥数答案|1997年全国奥数答案|1998年全国奥数答案|"
     u"1999年全国奥数答案|2000年全国奥数答案|2001年全国奥数答案|2002年全国奥数答案|"
     u"2003年全国奥数答案",
     u"q199", u"#2060"},
    {u"q86389", u"小学奥数专题练习题库", nullptr, u"#86389", Expanded,
     questionBank(u"zimu/tk.txt")},
};

} // namespace quorvel::catalogue_rows
