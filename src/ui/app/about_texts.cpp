// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_texts.h"

#include <QCoreApplication>
#include <cstddef>

namespace zelvik::ui {

namespace {

// The guide by section, the log by version; a blank line between them.
const char* const kGuide[] = {
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "一、计算重量\n"
        "三个页面共十八种钢材：\n"
        "第一页：钢板一、钢板二、角钢(热轧)、圆钢/钢管、槽钢(热轧)、工字钢；\n"
        "第二页：方管/矩形管、焊管/钢管、螺栓/螺母/垫圈/开口销、H钢/T钢、花纹板/钢板网、钢丝绳；\n"
        "第三页：六角钢、八角钢、螺纹钢、角钢(冷弯)、槽钢(冷弯)、Z型钢(冷弯)。\n"
        "选好型号，输入尺寸和长度(或面积)，重量立即显示在\"重量\"按钮右侧。"
        "点击\"重量\"按钮即把该重量复制到剪贴板。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "二、设置\n"
        "单位制：\"kg;mm\" 长度按毫米、面积按平方毫米，重量按千克；"
        "\"kg;m\" 长度按米、面积按平方米，重量按千克；"
        "\"t;m\" 长度按米、面积按平方米，重量按吨。"
        "厚度、直径、壁厚等截面尺寸始终按毫米输入；钢丝绳长度始终按米输入。\n"
        "小数位数：0～9 位，所有重量都按此位数显示；单重固定显示三位小数(钢丝绳两位)。\n"
        "材料密度：单位 t/m3，默认 7.85(钢)，只接受普通数字，不能输入算式。"
        "修改后所有结果立即重算；型号表中的单重按 密度÷7.85 换算(钢丝绳除外)。\n"
        "\"重 置\"：三个页面恢复初始状态，统计栏保持不变。\n"
        "\"置 顶\"：窗口总在其他窗口之上，再点\"不置顶\"取消。\n"
        "右下角箭头按钮：显示或隐藏广告区。在窗口空白处点右键可打开\"关于Zelvik\"。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "三、统计栏\n"
        "勾选\"统计:\"后，每点一次\"重量\"按钮，该重量就自动进入统计栏第一格："
        "选\"+\"时累加，选\"-\"时累减，第二格显示合计。取消勾选则只复制不统计。\n"
        "第一格也可以直接输入算式，当作计算器使用；清空第一格即可重新统计。\n"
        "\"=\"：复制右侧的合计值。计算器图标：调用系统计算器。\n"
        "正在输入的算式，其计算结果临时显示在统计栏下方右侧。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "四、算式输入\n"
        "所有尺寸、长度、面积输入框和统计栏第一格都可以输入算式，例如 1200+350、2×6000。\n"
        "运算符：\n"
        "+ 加：1200+350 = 1550\n"
        "- 减：6000-150 = 5850\n"
        "* 乘，也可写作 x、X 或 ×：2*3 = 6，2x3 = 6，2X3 = 6，2×3 = 6\n"
        "/ 除，也可写作 \\ 或 ÷：8/2 = 4，8\\2 = 4，8÷2 = 4\n"
        "括号 ( )，也可用全角括号（ ）及 [ ]、{ }：（1+2）×3 = 9，[1+2]*{3} = 9\n"
        "数字后紧跟括号或函数表示相乘：2(3+4) = 14，3sqrt(4) = 6\n"
        "负号只能写在算式开头或左括号后面：-2*3 = -6，2*(-3) = -6；"
        "2*-3、+3、--3 都无法计算\n"
        "函数的第二个参数是负数时也要加括号：pow(2,(-1)) = 0.5\n"
        "空格自动忽略，字母不分大小写：SQRT(9) = 3\n"
        "函数(三角函数和双曲函数的参数按\"度\"计算，反三角函数的结果也是\"度\")：\n"
        "abs 绝对值：abs(-5) = 5\n"
        "acos 反余弦：acos(0.5) = 60\n"
        "asin 反正弦：asin(0.5) = 30\n"
        "atan 反正切：atan(1) = 45\n"
        "acot 反余切：acot(1) = 45\n"
        "cos 余弦：cos(60) = 0.5\n"
        "cosh 双曲余弦：cosh(0) = 1\n"
        "cot 余切：cot(45) = 1\n"
        "exp e 的乘方：exp(1) = 2.718\n"
        "floor 向下取整：floor(2.7) = 2\n"
        "mod 余数：mod(7,3) = 1\n"
        "ln 自然对数：ln(1) = 0\n"
        "log 常用对数：log(1000) = 3\n"
        "pow 乘方：pow(2,10) = 1024\n"
        "sin 正弦：sin(30) = 0.5\n"
        "sinh 双曲正弦：sinh(30) = 0.548\n"
        "sqrt 平方根：sqrt(2)*100 = 141.421\n"
        "tan 正切：tan(45) = 1\n"
        "tanh 双曲正切：tanh(30) = 0.48\n"
        "不支持 ^ 和 1e5 这样的写法。算式最长 99 个字符；"
        "无法计算的算式(如 1/0、sqrt(-1)、括号不配对)结果为 0。\n"),
};

const char* const kLog[] = {
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "V3.5\n"
        "1. 增加方管/矩形管、焊管/钢管计算。\n"
        "2. 所有输入框支持四则运算算式。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "V3.76\n"
        "1. 增加统计栏，点击\"重量\"自动累加。\n"
        "2. 增加材料密度设置，型号单重随密度换算。\n"
        "3. 程序只允许运行一个，重复运行时给出提示。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "V4.0\n"
        "1. 增加第三页：六角钢、八角钢、螺纹钢及冷弯型钢。\n"
        "2. 增加螺栓/螺母/垫圈/开口销单件重量。\n"
        "3. 算式支持函数、全角符号及 x、÷ 等写法。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "V4.1\n"
        "1. 增加H钢/T钢、花纹板/钢板网、钢丝绳计算。\n"
        "2. 增加自定义材料，可扩充常用型号表。\n"
        "3. 增加\"t;m\"单位制。\n"),
    QT_TRANSLATE_NOOP("zelvik::ui::AboutTexts",
        "V4.2\n"
        "1. 统计栏增加\"-\"累减。\n"
        "2. 增加实用小工具：材料密度、单位换算、焊管尺寸、轴承查询、定时任务。\n"
        "3. 窗口可置顶，可停靠屏幕边缘自动隐藏。\n"
        "4. 修正若干型号的单重。\n"),
};

template <std::size_t N>
QString Joined(const char* const (&parts)[N]) {
  QString text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text += QLatin1Char('\n');
    text += QCoreApplication::translate("zelvik::ui::AboutTexts", parts[i]);
  }
  return text;
}

}  // namespace

QString UserGuideText() { return Joined(kGuide); }

QString UpdateLogText() { return Joined(kLog); }

}  // namespace zelvik::ui
