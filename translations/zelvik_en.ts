<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CalcBox</name>
    <message>
        <source>单重:</source>
        <translation>Unit wt:</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>点击复制右侧重量值</source>
        <translation>Copies the weight on the right</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <source>%1（是否为：%2）</source>
        <translation>%1 (did you mean: %2)</translation>
    </message>
    <message>
        <source>长度为空</source>
        <translation>The length is empty</translation>
    </message>
    <message>
        <source>长度 %1 不是大于 0 的数</source>
        <translation>Length %1 is not a number above 0</translation>
    </message>
    <message>
        <source>长度 %1 太大</source>
        <translation>Length %1 is too large</translation>
    </message>
    <message>
        <source>数量 %1 不是不小于 1 的整数</source>
        <translation>Quantity %1 is not a whole number of 1 or more</translation>
    </message>
    <message>
        <source>数量 %1 太大</source>
        <translation>Quantity %1 is too large</translation>
    </message>
    <message>
        <source>单价 %1 不是不小于 0 的数</source>
        <translation>Unit price %1 is not a number of 0 or more</translation>
    </message>
    <message>
        <source>单价 %1 太大</source>
        <translation>Unit price %1 is too large</translation>
    </message>
    <message>
        <source>计价方式 %1 不是 元/吨、元/千克、元/米 或 元/件</source>
        <translation>Pricing %1 is not CNY/t, CNY/kg, CNY/m or CNY/piece</translation>
    </message>
    <message>
        <source>元/米 计价需要长度，此规格没有长度</source>
        <translation>Pricing per metre needs a length; this size has none</translation>
    </message>
    <message>
        <source>规格为空</source>
        <translation>The size is empty</translation>
    </message>
    <message>
        <source>密度 %1 不是大于 0 的数</source>
        <translation>Density %1 is not a number above 0</translation>
    </message>
    <message>
        <source>数量为空</source>
        <translation>The quantity is empty</translation>
    </message>
    <message>
        <source>此规格没有长度</source>
        <translation>This size has no length</translation>
    </message>
    <message>
        <source>计价方式为空</source>
        <translation>The pricing is empty</translation>
    </message>
    <message>
        <source>此列不能编辑</source>
        <translation>This column cannot be edited</translation>
    </message>
    <message>
        <source>引号结束后还有字符</source>
        <translation>Characters follow a closing quote</translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>A quote is not closed</translation>
    </message>
    <message>
        <source>列 %1 出现了两次</source>
        <translation>Column %1 appears twice</translation>
    </message>
    <message>
        <source>表头没有 规格 列</source>
        <translation>The header row has no size column (规格)</translation>
    </message>
    <message>
        <source>表头没有 数量 列</source>
        <translation>The header row has no quantity column (数量)</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>文件是 UTF-16 文本，请另存为 CSV (UTF-8 或 GBK)</source>
        <translation>The file is UTF-16 text; save it as CSV (UTF-8 or GBK)</translation>
    </message>
    <message>
        <source>文件既不是 UTF-8 也不是 GBK 文本</source>
        <translation>The file is neither UTF-8 nor GBK text</translation>
    </message>
    <message>
        <source>文件是空的，没有表头</source>
        <translation>The file is empty: it has no header row</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <translation>The file cannot be read</translation>
    </message>
    <message>
        <source>规格 &quot;%1&quot; 按面积计重，请写明板面宽×长（毫米），如 &quot;%2&quot;</source>
        <translation>Size &quot;%1&quot; is weighed by area: give the sheet&apos;s width × length (mm), e.g. &quot;%2&quot;</translation>
    </message>
    <message>
        <source>按面积计重，清单的行要有板面的宽×长：请在规格栏写如 &quot;%1&quot;</source>
        <translation>Weighed by area: a list row needs the sheet&apos;s width × length; write the size as e.g. &quot;%1&quot;</translation>
    </message>
    <message>
        <source>外径须大于 0</source>
        <translation>The outer diameter must be above 0</translation>
    </message>
    <message>
        <source>内径须小于外径</source>
        <translation>The inner diameter must be less than the outer diameter</translation>
    </message>
    <message>
        <source>钢板的长、宽、厚须大于 0</source>
        <translation>The plate&apos;s length, width and thickness must be above 0</translation>
    </message>
    <message>
        <source>没有选择规格</source>
        <translation>No size is selected</translation>
    </message>
    <message>
        <source>密度须大于 0</source>
        <translation>The density must be above 0</translation>
    </message>
    <message>
        <source>规格 &quot;%1&quot; 读作%2，不是%3</source>
        <translation>Size &quot;%1&quot; reads as %2, not %3</translation>
    </message>
    <message>
        <source>请输入规格</source>
        <translation>Enter a size</translation>
    </message>
    <message>
        <source>看不懂的规格：%1</source>
        <translation>Size not understood: %1</translation>
    </message>
    <message>
        <source>没有这个规格：%1</source>
        <translation>No such size: %1</translation>
    </message>
    <message>
        <source>规格不唯一：%1</source>
        <translation>More than one size matches: %1</translation>
    </message>
    <message>
        <source>尺寸不对：%1</source>
        <translation>Wrong dimensions: %1</translation>
    </message>
    <message>
        <source>壁厚为0</source>
        <translation>the wall is 0</translation>
    </message>
    <message>
        <source>壁厚大于外径的一半</source>
        <translation>the wall is over half the outer diameter</translation>
    </message>
    <message>
        <source>外径为0</source>
        <translation>the outer diameter is 0</translation>
    </message>
    <message>
        <source>尺寸为0</source>
        <translation>a dimension is 0</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CutInput</name>
    <message>
        <source>缺少长度</source>
        <translation>Length missing</translation>
    </message>
    <message>
        <source>长度应为正数</source>
        <translation>The length must be positive</translation>
    </message>
    <message>
        <source>长度不能超过 100000 mm</source>
        <translation>The length cannot exceed 100000 mm</translation>
    </message>
    <message>
        <source>长度最多一位小数</source>
        <translation>The length takes at most one decimal</translation>
    </message>
    <message>
        <source>零件第 %1 行：%2</source>
        <translation>Piece row %1: %2</translation>
    </message>
    <message>
        <source>缺少数量</source>
        <translation>Quantity missing</translation>
    </message>
    <message>
        <source>数量应为 1 到 20000 的整数</source>
        <translation>The quantity must be a whole number from 1 to 20000</translation>
    </message>
    <message>
        <source>零件总数不能超过 20000 件</source>
        <translation>No more than 20000 pieces in all</translation>
    </message>
    <message>
        <source>原料第 %1 行：%2</source>
        <translation>Stock row %1: %2</translation>
    </message>
    <message>
        <source>原料第 %1 行：根数应为整数，不限则留空</source>
        <translation>Stock row %1: the number of bars must be a whole number, or empty for no limit</translation>
    </message>
    <message>
        <source>原料第 %1 行：单价应为不小于 0 的数</source>
        <translation>Stock row %1: the price must be a number of 0 or more</translation>
    </message>
    <message>
        <source>原料第 %1 行：单价要么每种原料都填，要么都不填</source>
        <translation>Stock row %1: give a price for every stock length or for none</translation>
    </message>
    <message>
        <source>粘贴的第 %1 行读不出长度和数量：每行应为“长度, 数量[, 标签]”，用制表符或逗号分隔。</source>
        <translation>Pasted line %1 has no length and quantity: each line should read &quot;length, quantity[, label]&quot;, separated by tabs or commas.</translation>
    </message>
</context>
<context>
    <name>CutMessages</name>
    <message>
        <source>没有要下料的零件：请在零件表中填写长度和数量。</source>
        <translation>No pieces to cut: enter lengths and quantities in the pieces table.</translation>
    </message>
    <message>
        <source>没有原料：请在原料表中填写至少一种长度。</source>
        <translation>No stock: enter at least one length in the stock table.</translation>
    </message>
    <message>
        <source>零件第 %1 行的长度或数量超出范围。</source>
        <translation>The length or quantity in piece row %1 is out of range.</translation>
    </message>
    <message>
        <source>零件太多，或锯缝、端头、保留余料的长度超出范围。</source>
        <translation>Too many pieces, or the kerf, end trim or kept-offcut length is out of range.</translation>
    </message>
    <message>
        <source>单价要么每种原料都填，要么都不填。</source>
        <translation>Give a price for every stock length or for none.</translation>
    </message>
    <message>
        <source>去掉端头和锯缝后，原料没有可用的长度。</source>
        <translation>After end trim and kerf no usable length is left on the stock.</translation>
    </message>
    <message>
        <source>零件第 %1 行比所有原料去掉端头后的长度都长。</source>
        <translation>Piece row %1 is longer than every stock length less its end trim.</translation>
    </message>
    <message>
        <source>有零件比所有原料去掉端头后的长度都长。</source>
        <translation>A piece is longer than every stock length less its end trim.</translation>
    </message>
    <message>
        <source>现有原料的根数不够下这些零件。</source>
        <translation>The stock bars available are not enough for these pieces.</translation>
    </message>
    <message>
        <source>在限定的原料根数和时间内没有找到下料方案。</source>
        <translation>No cutting plan was found within the stock limits and the time limit.</translation>
    </message>
    <message>
        <source>准备</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>初始方案</source>
        <translation>First plan</translation>
    </message>
    <message>
        <source>计算下界</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>取整</source>
        <translation>Rounding</translation>
    </message>
    <message>
        <source>搜索方案</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>改进方案</source>
        <translation>Improving</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>当前最好 %1 根（%2 元）</source>
        <translation>Best so far %1 bars (CNY %2)</translation>
    </message>
    <message>
        <source>下界 %1 元</source>
        <translation>lower bound CNY %1</translation>
    </message>
    <message>
        <source>当前最好 %1 根</source>
        <translation>Best so far %1 bars</translation>
    </message>
    <message>
        <source>下界 %1 根</source>
        <translation>lower bound %1 bars</translation>
    </message>
    <message>
        <source>当前最好 %1 根（%2 m）</source>
        <translation>Best so far %1 bars (%2 m)</translation>
    </message>
    <message>
        <source>下界 %1 m</source>
        <translation>lower bound %1 m</translation>
    </message>
    <message>
        <source>%1：%2；%3</source>
        <translation>%1: %2; %3</translation>
    </message>
</context>
<context>
    <name>CutTexts</name>
    <message>
        <source>方案 %1&#x3000;%2 mm</source>
        <translation>Pattern %1   %2 mm</translation>
    </message>
    <message>
        <source>余料 %1</source>
        <translation>Offcut %1</translation>
    </message>
    <message>
        <source>废料 %1</source>
        <translation>Scrap %1</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>规格：</source>
        <translation>Size: </translation>
    </message>
    <message>
        <source>锯缝：</source>
        <translation>Kerf: </translation>
    </message>
    <message>
        <source>端头：</source>
        <translation>End trim: </translation>
    </message>
    <message>
        <source>保留余料：</source>
        <translation>Kept offcut: </translation>
    </message>
    <message>
        <source>%1（%2 kg/m）</source>
        <translation>%1 (%2 kg/m)</translation>
    </message>
    <message>
        <source>需购原料：%1 mm × %2 根，共 %3 m</source>
        <translation>Stock to buy: %1 mm × %2 bars, %3 m in all</translation>
    </message>
    <message>
        <source>%1 mm × %2 根</source>
        <translation>%1 mm × %2 bars</translation>
    </message>
    <message>
        <source>需购原料：%1；共 %2 根，%3 m</source>
        <translation>Stock to buy: %1; %2 bars, %3 m in all</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>利用率 %1；废料 %2 m（%3）</source>
        <translation>Utilisation %1; scrap %2 m (%3)</translation>
    </message>
    <message>
        <source>；保留余料 %1 m（%2 段）</source>
        <translation>; kept offcuts %1 m (%2 pieces)</translation>
    </message>
    <message>
        <source>重量 %1 kg</source>
        <translation>Weight %1 kg</translation>
    </message>
    <message>
        <source>金额 %1 元</source>
        <translation>Cost CNY %1</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>最优</source>
        <translation>Optimal</translation>
    </message>
    <message>
        <source>与下界相差最多 %1 元（%2）</source>
        <translation>At most CNY %1 above the lower bound (%2)</translation>
    </message>
    <message>
        <source>与下界相差最多 %1 根（%2）</source>
        <translation>At most %1 bars above the lower bound (%2)</translation>
    </message>
    <message>
        <source>与下界相差最多 %1 m（%2）</source>
        <translation>At most %1 m above the lower bound (%2)</translation>
    </message>
    <message>
        <source>方案 %1&#x3000;原料 %2 mm × %3 根</source>
        <translation>Pattern %1   stock %2 mm × %3 bars</translation>
    </message>
    <message>
        <source>无余料</source>
        <translation>No offcut</translation>
    </message>
    <message>
        <source>余料 %1 mm（保留）</source>
        <translation>Offcut %1 mm (kept)</translation>
    </message>
    <message>
        <source>废料 %1 mm</source>
        <translation>Scrap %1 mm</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>长度(mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>起点(mm)</source>
        <translation>From (mm)</translation>
    </message>
    <message>
        <source>终点(mm)</source>
        <translation>To (mm)</translation>
    </message>
    <message>
        <source>余料</source>
        <translation>Offcut</translation>
    </message>
    <message>
        <source>废料</source>
        <translation>Scrap</translation>
    </message>
    <message>
        <source>保留</source>
        <translation>Kept</translation>
    </message>
    <message>
        <source>原料(mm)</source>
        <translation>Stock (mm)</translation>
    </message>
    <message>
        <source>根数</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>原料总长(m)</source>
        <translation>Stock length (m)</translation>
    </message>
    <message>
        <source>零件总长(m)</source>
        <translation>Pieces length (m)</translation>
    </message>
    <message>
        <source>废料(m)</source>
        <translation>Scrap (m)</translation>
    </message>
    <message>
        <source>保留余料(m)</source>
        <translation>Kept offcuts (m)</translation>
    </message>
    <message>
        <source>重量(kg)</source>
        <translation>Weight (kg)</translation>
    </message>
    <message>
        <source>金额(元)</source>
        <translation>Amount (CNY)</translation>
    </message>
    <message>
        <source>下界</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>方案</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>下料(mm)</source>
        <translation>Cuts (mm)</translation>
    </message>
    <message>
        <source>余料(mm)</source>
        <translation>Offcut (mm)</translation>
    </message>
    <message>
        <source>余料处理</source>
        <translation>Offcut kept or scrap</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>下料优化</source>
        <translation>Cutting plan</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <source>钢板一</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>钢板二</source>
        <translation>Plate by area</translation>
    </message>
    <message>
        <source>角钢(热轧)</source>
        <translation>Angle (hot-rolled)</translation>
    </message>
    <message>
        <source>圆钢/钢管</source>
        <translation>Round bar / tube</translation>
    </message>
    <message>
        <source>槽钢(热轧)</source>
        <translation>Channel (hot-rolled)</translation>
    </message>
    <message>
        <source>工字钢</source>
        <translation>I-beam</translation>
    </message>
    <message>
        <source>方管/矩形管</source>
        <translation>Square / rectangular tube</translation>
    </message>
    <message>
        <source>焊管/钢管</source>
        <translation>Welded pipe</translation>
    </message>
    <message>
        <source>螺栓/螺母/垫圈/开口销</source>
        <translation>Bolts, nuts, washers, pins</translation>
    </message>
    <message>
        <source>H钢/T钢</source>
        <translation>H-beam / T-bar</translation>
    </message>
    <message>
        <source>HW宽翼缘</source>
        <translation>HW wide</translation>
    </message>
    <message>
        <source>HM中翼缘</source>
        <translation>HM medium</translation>
    </message>
    <message>
        <source>HN窄翼缘</source>
        <translation>HN narrow</translation>
    </message>
    <message>
        <source>HT薄壁</source>
        <translation>HT thin-walled</translation>
    </message>
    <message>
        <source>HP钢柱</source>
        <translation>HP column</translation>
    </message>
    <message>
        <source>TW宽翼缘</source>
        <translation>TW wide</translation>
    </message>
    <message>
        <source>TM中翼缘</source>
        <translation>TM medium</translation>
    </message>
    <message>
        <source>TN窄翼缘</source>
        <translation>TN narrow</translation>
    </message>
    <message>
        <source>花纹板/钢板网</source>
        <translation>Checker plate / expanded metal</translation>
    </message>
    <message>
        <source>菱形花纹板</source>
        <translation>Diamond plate</translation>
    </message>
    <message>
        <source>扁豆花纹板</source>
        <translation>Lentil plate</translation>
    </message>
    <message>
        <source>圆豆花纹板</source>
        <translation>Button plate</translation>
    </message>
    <message>
        <source>重型钢板网</source>
        <translation>Heavy mesh</translation>
    </message>
    <message>
        <source>普通钢板网</source>
        <translation>Standard mesh</translation>
    </message>
    <message>
        <source>有筋扩张网</source>
        <translation>Rib lath</translation>
    </message>
    <message>
        <source>建筑批荡网</source>
        <translation>Plaster lath</translation>
    </message>
    <message>
        <source>钢丝网</source>
        <translation>Wire mesh</translation>
    </message>
    <message>
        <source>钢丝绳</source>
        <translation>Wire rope</translation>
    </message>
    <message>
        <source>六角钢</source>
        <translation>Hexagon bar</translation>
    </message>
    <message>
        <source>八角钢</source>
        <translation>Octagon bar</translation>
    </message>
    <message>
        <source>螺纹钢</source>
        <translation>Rebar</translation>
    </message>
    <message>
        <source>角钢(冷弯)</source>
        <translation>Angle (cold-formed)</translation>
    </message>
    <message>
        <source>等边角钢</source>
        <translation>Equal angle</translation>
    </message>
    <message>
        <source>不等边角钢</source>
        <translation>Unequal angle</translation>
    </message>
    <message>
        <source>槽钢(冷弯)</source>
        <translation>Channel (cold-formed)</translation>
    </message>
    <message>
        <source>等边槽钢</source>
        <translation>Equal flanges</translation>
    </message>
    <message>
        <source>不等边槽钢</source>
        <translation>Unequal flanges</translation>
    </message>
    <message>
        <source>内卷边槽钢</source>
        <translation>Lipped inward</translation>
    </message>
    <message>
        <source>外卷边槽钢</source>
        <translation>Lipped outward</translation>
    </message>
    <message>
        <source>Z型钢(冷弯)</source>
        <translation>Z-section (cold-formed)</translation>
    </message>
    <message>
        <source>Z型钢</source>
        <translation>Z-section</translation>
    </message>
    <message>
        <source>卷边Z型钢</source>
        <translation>Lipped Z-section</translation>
    </message>
    <message>
        <source>方管</source>
        <translation>Square tube</translation>
    </message>
    <message>
        <source>钢管/焊管</source>
        <translation>Pipe / welded pipe</translation>
    </message>
    <message>
        <source>钢管</source>
        <translation>Pipe</translation>
    </message>
    <message>
        <source>壁厚输入错误</source>
        <translation>Wall too thick</translation>
    </message>
    <message>
        <source>标准大小</source>
        <translation>Standard size</translation>
    </message>
    <message>
        <source>输入提示</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>请输入型号</source>
        <translation>Please enter the size.</translation>
    </message>
    <message>
        <source>请输入规格</source>
        <translation>Please enter the dimensions.</translation>
    </message>
    <message>
        <source>请输入单重</source>
        <translation>Please enter the unit weight.</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>材料数量超出范围</source>
        <translation>This kind holds as many sizes as it can.</translation>
    </message>
    <message>
        <source>含有配置文件无法保存的字符</source>
        <translation>The text holds characters the settings file cannot store.</translation>
    </message>
    <message>
        <source>任务数量超出范围</source>
        <translation>The task list is full.</translation>
    </message>
    <message>
        <source>内容含有配置文件无法保存的字符</source>
        <translation>The text holds characters the settings file cannot store.</translation>
    </message>
    <message>
        <source>有新版本发布,是否更新?</source>
        <translation>A new version is out. Update now?</translation>
    </message>
    <message>
        <source>新版本下载成功,将运行新版本程序!</source>
        <translation>The new version has been downloaded and will start now.</translation>
    </message>
    <message>
        <source>灰铸铁</source>
        <translation>Grey cast iron</translation>
    </message>
    <message>
        <source>白口铸铁</source>
        <translation>White cast iron</translation>
    </message>
    <message>
        <source>可锻铸铁</source>
        <translation>Malleable cast iron</translation>
    </message>
    <message>
        <source>工业纯铁</source>
        <translation>Commercially pure iron</translation>
    </message>
    <message>
        <source>铸钢</source>
        <translation>Cast steel</translation>
    </message>
    <message>
        <source>钢材</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>高速钢</source>
        <translation>High-speed steel</translation>
    </message>
    <message>
        <source>不锈钢/合金钢</source>
        <translation>Stainless / alloy steel</translation>
    </message>
    <message>
        <source>硅钢片</source>
        <translation>Silicon steel sheet</translation>
    </message>
    <message>
        <source>紫铜</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>黄铜</source>
        <translation>Brass</translation>
    </message>
    <message>
        <source>铸造黄铜</source>
        <translation>Cast brass</translation>
    </message>
    <message>
        <source>锡青铜</source>
        <translation>Tin bronze</translation>
    </message>
    <message>
        <source>无锡青铜</source>
        <translation>Tin-free bronze</translation>
    </message>
    <message>
        <source>铝</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>镍</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>锡</source>
        <translation>Tin</translation>
    </message>
    <message>
        <source>钛</source>
        <translation>Titanium</translation>
    </message>
    <message>
        <source>金</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>银</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>镁</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>锌板</source>
        <translation>Zinc sheet</translation>
    </message>
    <message>
        <source>铅板</source>
        <translation>Lead sheet</translation>
    </message>
    <message>
        <source>工业镍</source>
        <translation>Commercial nickel</translation>
    </message>
    <message>
        <source>镍铜合金</source>
        <translation>Nickel-copper alloy</translation>
    </message>
    <message>
        <source>锡基轴承合金</source>
        <translation>Tin-based bearing alloy</translation>
    </message>
    <message>
        <source>铅基轴承合金</source>
        <translation>Lead-based bearing alloy</translation>
    </message>
    <message>
        <source>磷青铜</source>
        <translation>Phosphor bronze</translation>
    </message>
    <message>
        <source>镁合金</source>
        <translation>Magnesium alloy</translation>
    </message>
    <message>
        <source>锌铝合金</source>
        <translation>Zinc-aluminium alloy</translation>
    </message>
    <message>
        <source>铝镍合金</source>
        <translation>Aluminium-nickel alloy</translation>
    </message>
    <message>
        <source>硬质合金(钨钴)</source>
        <translation>Cemented carbide (WC-Co)</translation>
    </message>
    <message>
        <source>硬质合金(钨钴钛)</source>
        <translation>Cemented carbide (WC-TiC-Co)</translation>
    </message>
    <message>
        <source>软木</source>
        <translation>Cork</translation>
    </message>
    <message>
        <source>木材(含水15%)</source>
        <translation>Wood (15% moisture)</translation>
    </message>
    <message>
        <source>胶合板</source>
        <translation>Plywood</translation>
    </message>
    <message>
        <source>刨花板</source>
        <translation>Particle board</translation>
    </message>
    <message>
        <source>竹材</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>木炭</source>
        <translation>Charcoal</translation>
    </message>
    <message>
        <source>石墨</source>
        <translation>Graphite</translation>
    </message>
    <message>
        <source>石膏</source>
        <translation>Gypsum</translation>
    </message>
    <message>
        <source>水泥</source>
        <translation>Cement</translation>
    </message>
    <message>
        <source>混凝土</source>
        <translation>Concrete</translation>
    </message>
    <message>
        <source>硅藻土</source>
        <translation>Diatomite</translation>
    </message>
    <message>
        <source>普通粘土砖</source>
        <translation>Common clay brick</translation>
    </message>
    <message>
        <source>粘土耐火砖</source>
        <translation>Fireclay brick</translation>
    </message>
    <message>
        <source>硅质耐火砖</source>
        <translation>Silica brick</translation>
    </message>
    <message>
        <source>镁质耐火砖</source>
        <translation>Magnesia brick</translation>
    </message>
    <message>
        <source>镁铬质耐火砖</source>
        <translation>Magnesia-chrome brick</translation>
    </message>
    <message>
        <source>高铬质耐火砖</source>
        <translation>High-chrome brick</translation>
    </message>
    <message>
        <source>石英</source>
        <translation>Quartz</translation>
    </message>
    <message>
        <source>大理石</source>
        <translation>Marble</translation>
    </message>
    <message>
        <source>花岗岩</source>
        <translation>Granite</translation>
    </message>
    <message>
        <source>金刚石</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>金刚砂</source>
        <translation>Emery</translation>
    </message>
    <message>
        <source>普通刚玉</source>
        <translation>Brown corundum</translation>
    </message>
    <message>
        <source>白刚玉</source>
        <translation>White corundum</translation>
    </message>
    <message>
        <source>碳化硅</source>
        <translation>Silicon carbide</translation>
    </message>
    <message>
        <source>云母</source>
        <translation>Mica</translation>
    </message>
    <message>
        <source>沥青</source>
        <translation>Bitumen</translation>
    </message>
    <message>
        <source>石蜡</source>
        <translation>Paraffin wax</translation>
    </message>
    <message>
        <source>工业用毛毡</source>
        <translation>Industrial felt</translation>
    </message>
    <message>
        <source>纤维蛇纹石石棉</source>
        <translation>Chrysotile asbestos</translation>
    </message>
    <message>
        <source>角闪石石棉</source>
        <translation>Amphibole asbestos</translation>
    </message>
    <message>
        <source>工业橡胶</source>
        <translation>Industrial rubber</translation>
    </message>
    <message>
        <source>平胶板</source>
        <translation>Rubber sheet</translation>
    </message>
    <message>
        <source>皮革</source>
        <translation>Leather</translation>
    </message>
    <message>
        <source>软钢纸板</source>
        <translation>Vulcanised fibre, soft</translation>
    </message>
    <message>
        <source>纤维纸板</source>
        <translation>Fibreboard</translation>
    </message>
    <message>
        <source>酚醛层压板</source>
        <translation>Phenolic laminate</translation>
    </message>
    <message>
        <source>平板玻璃</source>
        <translation>Flat glass</translation>
    </message>
    <message>
        <source>实验器皿玻璃</source>
        <translation>Laboratory glass</translation>
    </message>
    <message>
        <source>耐高温玻璃</source>
        <translation>Heat-resistant glass</translation>
    </message>
    <message>
        <source>石英玻璃</source>
        <translation>Quartz glass</translation>
    </message>
    <message>
        <source>陶瓷</source>
        <translation>Ceramics</translation>
    </message>
    <message>
        <source>碳化钙(电石)</source>
        <translation>Calcium carbide</translation>
    </message>
    <message>
        <source>胶木</source>
        <translation>Bakelite</translation>
    </message>
    <message>
        <source>电玉</source>
        <translation>Urea-formaldehyde resin</translation>
    </message>
    <message>
        <source>聚氯乙烯</source>
        <translation>PVC (polyvinyl chloride)</translation>
    </message>
    <message>
        <source>聚苯乙烯</source>
        <translation>Polystyrene</translation>
    </message>
    <message>
        <source>聚乙烯</source>
        <translation>Polyethylene</translation>
    </message>
    <message>
        <source>聚四氟乙烯</source>
        <translation>PTFE</translation>
    </message>
    <message>
        <source>聚丙烯</source>
        <translation>Polypropylene</translation>
    </message>
    <message>
        <source>聚苯醚</source>
        <translation>PPO (polyphenylene oxide)</translation>
    </message>
    <message>
        <source>聚砜</source>
        <translation>Polysulfone</translation>
    </message>
    <message>
        <source>赛璐珞</source>
        <translation>Celluloid</translation>
    </message>
    <message>
        <source>有机玻璃</source>
        <translation>Acrylic (PMMA)</translation>
    </message>
    <message>
        <source>泡沫塑料</source>
        <translation>Foam plastic</translation>
    </message>
    <message>
        <source>玻璃钢</source>
        <translation>GRP (fibreglass)</translation>
    </message>
    <message>
        <source>尼龙</source>
        <translation>Nylon</translation>
    </message>
    <message>
        <source>ABS树脂</source>
        <translation>ABS resin</translation>
    </message>
    <message>
        <source>石棉板</source>
        <translation>Asbestos board</translation>
    </message>
    <message>
        <source>橡胶石棉板</source>
        <translation>Rubber-asbestos sheet</translation>
    </message>
    <message>
        <source>石棉线</source>
        <translation>Asbestos yarn</translation>
    </message>
    <message>
        <source>石棉布制动带</source>
        <translation>Asbestos brake lining</translation>
    </message>
    <message>
        <source>橡胶夹布传动带</source>
        <translation>Rubber-fabric drive belt</translation>
    </message>
    <message>
        <source>磷酸</source>
        <translation>Phosphoric acid</translation>
    </message>
    <message>
        <source>盐酸</source>
        <translation>Hydrochloric acid</translation>
    </message>
    <message>
        <source>硫酸(87%)</source>
        <translation>Sulphuric acid (87%)</translation>
    </message>
    <message>
        <source>硝酸</source>
        <translation>Nitric acid</translation>
    </message>
    <message>
        <source>酒精</source>
        <translation>Alcohol</translation>
    </message>
    <message>
        <source>汽油</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>煤油</source>
        <translation>Kerosene</translation>
    </message>
    <message>
        <source>石油(原油)</source>
        <translation>Crude oil</translation>
    </message>
    <message>
        <source>各类机油</source>
        <translation>Machine oils</translation>
    </message>
    <message>
        <source>汞</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>水(4℃)</source>
        <translation>Water (4℃)</translation>
    </message>
    <message>
        <source>空气(20℃)</source>
        <translation>Air (20℃)</translation>
    </message>
    <message>
        <source>泥煤</source>
        <translation>Peat</translation>
    </message>
    <message>
        <source>烟煤粉</source>
        <translation>Bituminous coal dust</translation>
    </message>
    <message>
        <source>褐煤</source>
        <translation>Lignite</translation>
    </message>
    <message>
        <source>生石灰(块)</source>
        <translation>Quicklime (lump)</translation>
    </message>
    <message>
        <source>生石灰(粉)</source>
        <translation>Quicklime (powder)</translation>
    </message>
    <message>
        <source>碎石</source>
        <translation>Crushed stone</translation>
    </message>
    <message>
        <source>细砂(干)</source>
        <translation>Fine sand (dry)</translation>
    </message>
    <message>
        <source>粗砂(干)</source>
        <translation>Coarse sand (dry)</translation>
    </message>
    <message>
        <source>石灰石(大块)</source>
        <translation>Limestone (large lumps)</translation>
    </message>
    <message>
        <source>石灰石</source>
        <translation>Limestone</translation>
    </message>
    <message>
        <source>尼龙板</source>
        <translation>Nylon sheet</translation>
    </message>
    <message>
        <source>PVC板</source>
        <translation>PVC sheet</translation>
    </message>
    <message>
        <source>PP板</source>
        <translation>PP sheet</translation>
    </message>
    <message>
        <source>POM板</source>
        <translation>POM sheet</translation>
    </message>
    <message>
        <source>ABS板</source>
        <translation>ABS sheet</translation>
    </message>
    <message>
        <source>PE板</source>
        <translation>PE sheet</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>米 (m)</source>
        <translation>metre (m)</translation>
    </message>
    <message>
        <source>分米 (dm)</source>
        <translation>decimetre (dm)</translation>
    </message>
    <message>
        <source>厘米 (cm)</source>
        <translation>centimetre (cm)</translation>
    </message>
    <message>
        <source>毫米 (mm)</source>
        <translation>millimetre (mm)</translation>
    </message>
    <message>
        <source>丝(道) (dmm)</source>
        <translation>0.01 mm, &quot;si&quot; (dmm)</translation>
    </message>
    <message>
        <source>微米 (μm)</source>
        <translation>micrometre (μm)</translation>
    </message>
    <message>
        <source>纳米(毫微米) (nm)</source>
        <translation>nanometre (nm)</translation>
    </message>
    <message>
        <source>海里 (n mile)</source>
        <translation>nautical mile (n mile)</translation>
    </message>
    <message>
        <source>英里 (mile)</source>
        <translation>mile (mile)</translation>
    </message>
    <message>
        <source>英尺 (ft)</source>
        <translation>foot (ft)</translation>
    </message>
    <message>
        <source>英寸 (in)</source>
        <translation>inch (in)</translation>
    </message>
    <message>
        <source>码 (yd)</source>
        <translation>yard (yd)</translation>
    </message>
    <message>
        <source>密耳 (mil)</source>
        <translation>mil (mil)</translation>
    </message>
    <message>
        <source>埃 (A)</source>
        <translation>ångström (A)</translation>
    </message>
    <message>
        <source>费密 (无)</source>
        <translation>fermi (fm)</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>平方米 (m^2)</source>
        <translation>square metre (m^2)</translation>
    </message>
    <message>
        <source>平方分米 (dm^2)</source>
        <translation>square decimetre (dm^2)</translation>
    </message>
    <message>
        <source>平方厘米 (cm^2)</source>
        <translation>square centimetre (cm^2)</translation>
    </message>
    <message>
        <source>平方毫米 (mm^2)</source>
        <translation>square millimetre (mm^2)</translation>
    </message>
    <message>
        <source>公顷 (ha)</source>
        <translation>hectare (ha)</translation>
    </message>
    <message>
        <source>公亩 (a)</source>
        <translation>are (a)</translation>
    </message>
    <message>
        <source>平方英里 (mile^2)</source>
        <translation>square mile (mile^2)</translation>
    </message>
    <message>
        <source>平方英尺 (ft^2)</source>
        <translation>square foot (ft^2)</translation>
    </message>
    <message>
        <source>平方英寸 (in^2)</source>
        <translation>square inch (in^2)</translation>
    </message>
    <message>
        <source>体积</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>立方米 (m^3)</source>
        <translation>cubic metre (m^3)</translation>
    </message>
    <message>
        <source>立方分米(升) (dm^3/L/l)</source>
        <translation>cubic decimetre, litre (dm^3/L/l)</translation>
    </message>
    <message>
        <source>立方厘米 (cm^3)</source>
        <translation>cubic centimetre (cm^3)</translation>
    </message>
    <message>
        <source>立方毫米 (mm^3)</source>
        <translation>cubic millimetre (mm^3)</translation>
    </message>
    <message>
        <source>立方英尺 (ft^3)</source>
        <translation>cubic foot (ft^3)</translation>
    </message>
    <message>
        <source>立方英寸 (in^3)</source>
        <translation>cubic inch (in^3)</translation>
    </message>
    <message>
        <source>英加仑 (UKgal)</source>
        <translation>imperial gallon (UKgal)</translation>
    </message>
    <message>
        <source>美加仑 (USgal)</source>
        <translation>US gallon (USgal)</translation>
    </message>
    <message>
        <source>平面角</source>
        <translation>Plane angle</translation>
    </message>
    <message>
        <source>弧度 (rad)</source>
        <translation>radian (rad)</translation>
    </message>
    <message>
        <source>度 (°)</source>
        <translation>degree (°)</translation>
    </message>
    <message>
        <source>[角]分 (′)</source>
        <translation>minute of arc (′)</translation>
    </message>
    <message>
        <source>[角]秒 (&quot;)</source>
        <translation>second of arc (&quot;)</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>秒 (s)</source>
        <translation>second (s)</translation>
    </message>
    <message>
        <source>分 (min)</source>
        <translation>minute (min)</translation>
    </message>
    <message>
        <source>小时 (h)</source>
        <translation>hour (h)</translation>
    </message>
    <message>
        <source>天 (d)</source>
        <translation>day (d)</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>米每秒 (m/s)</source>
        <translation>metre per second (m/s)</translation>
    </message>
    <message>
        <source>节 (kn)</source>
        <translation>knot (kn)</translation>
    </message>
    <message>
        <source>千米每小时 (km/h)</source>
        <translation>kilometre per hour (km/h)</translation>
    </message>
    <message>
        <source>米每分 (m/min)</source>
        <translation>metre per minute (m/min)</translation>
    </message>
    <message>
        <source>英里每小时 (mile/h)</source>
        <translation>mile per hour (mile/h)</translation>
    </message>
    <message>
        <source>英尺每秒 (ft/s)</source>
        <translation>foot per second (ft/s)</translation>
    </message>
    <message>
        <source>英寸每秒 (in/s)</source>
        <translation>inch per second (in/s)</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>米每二次方秒 (m/s^2)</source>
        <translation>metre per second squared (m/s^2)</translation>
    </message>
    <message>
        <source>英尺每二次方秒 (ft/s^2)</source>
        <translation>foot per second squared (ft/s^2)</translation>
    </message>
    <message>
        <source>伽 (Gal)</source>
        <translation>gal (Gal)</translation>
    </message>
    <message>
        <source>角速度</source>
        <translation>Angular speed</translation>
    </message>
    <message>
        <source>弧度每秒 (rad/s)</source>
        <translation>radian per second (rad/s)</translation>
    </message>
    <message>
        <source>转每分 (r/min)</source>
        <translation>revolution per minute (r/min)</translation>
    </message>
    <message>
        <source>度每分 (°/min)</source>
        <translation>degree per minute (°/min)</translation>
    </message>
    <message>
        <source>度每秒 (°/s)</source>
        <translation>degree per second (°/s)</translation>
    </message>
    <message>
        <source>质量</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>千克 (kg)</source>
        <translation>kilogram (kg)</translation>
    </message>
    <message>
        <source>克 (g)</source>
        <translation>gram (g)</translation>
    </message>
    <message>
        <source>吨 (t)</source>
        <translation>tonne (t)</translation>
    </message>
    <message>
        <source>原子质量单位 (u)</source>
        <translation>atomic mass unit (u)</translation>
    </message>
    <message>
        <source>英吨 (ton)</source>
        <translation>long ton (ton)</translation>
    </message>
    <message>
        <source>英担 (cwt)</source>
        <translation>hundredweight (cwt)</translation>
    </message>
    <message>
        <source>磅 (lb)</source>
        <translation>pound (lb)</translation>
    </message>
    <message>
        <source>夸特 (qr,qtr)</source>
        <translation>quarter (qr,qtr)</translation>
    </message>
    <message>
        <source>盎司 (oz)</source>
        <translation>ounce (oz)</translation>
    </message>
    <message>
        <source>格令 (gr,gn)</source>
        <translation>grain (gr,gn)</translation>
    </message>
    <message>
        <source>线密度、纤度</source>
        <translation>Linear density</translation>
    </message>
    <message>
        <source>千克每米 (kg/m)</source>
        <translation>kilogram per metre (kg/m)</translation>
    </message>
    <message>
        <source>特[克斯] (tex)</source>
        <translation>tex (tex)</translation>
    </message>
    <message>
        <source>旦尼尔</source>
        <translation>denier</translation>
    </message>
    <message>
        <source>磅每英尺 (lb/ft)</source>
        <translation>pound per foot (lb/ft)</translation>
    </message>
    <message>
        <source>磅每英寸 (lb/in)</source>
        <translation>pound per inch (lb/in)</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>千克每立方米 (kg/m^3)</source>
        <translation>kilogram per cubic metre (kg/m^3)</translation>
    </message>
    <message>
        <source>吨每立方米 (t/m^3)</source>
        <translation>tonne per cubic metre (t/m^3)</translation>
    </message>
    <message>
        <source>千克每升(kg/L)</source>
        <translation>kilogram per litre (kg/L)</translation>
    </message>
    <message>
        <source>磅每立方英尺 (lb/ft^3)</source>
        <translation>pound per cubic foot (lb/ft^3)</translation>
    </message>
    <message>
        <source>磅每立方英寸 (lb/in^3)</source>
        <translation>pound per cubic inch (lb/in^3)</translation>
    </message>
    <message>
        <source>比容(比体积)</source>
        <translation>Specific volume</translation>
    </message>
    <message>
        <source>立方米每千克 (m^3/kg)</source>
        <translation>cubic metre per kilogram (m^3/kg)</translation>
    </message>
    <message>
        <source>立方英尺每磅 (ft^3/lb)</source>
        <translation>cubic foot per pound (ft^3/lb)</translation>
    </message>
    <message>
        <source>立方英寸每磅 (in^3/lb)</source>
        <translation>cubic inch per pound (in^3/lb)</translation>
    </message>
    <message>
        <source>力、重力</source>
        <translation>Force, weight</translation>
    </message>
    <message>
        <source>牛顿 (N)</source>
        <translation>newton (N)</translation>
    </message>
    <message>
        <source>千克力 (kgf)</source>
        <translation>kilogram-force (kgf)</translation>
    </message>
    <message>
        <source>磅力 (lbf)</source>
        <translation>pound-force (lbf)</translation>
    </message>
    <message>
        <source>达因 (dyn)</source>
        <translation>dyne (dyn)</translation>
    </message>
    <message>
        <source>吨力 (tf)</source>
        <translation>tonne-force (tf)</translation>
    </message>
    <message>
        <source>压力、压强、应力</source>
        <translation>Pressure, stress</translation>
    </message>
    <message>
        <source>帕[斯卡] (Pa)</source>
        <translation>pascal (Pa)</translation>
    </message>
    <message>
        <source>巴 (bar)</source>
        <translation>bar (bar)</translation>
    </message>
    <message>
        <source>托 (Torr)</source>
        <translation>torr (Torr)</translation>
    </message>
    <message>
        <source>毫米汞柱 (mmHg)</source>
        <translation>millimetre of mercury (mmHg)</translation>
    </message>
    <message>
        <source>毫米大气压 (mmH2O)</source>
        <translation>millimetre of water (mmH2O)</translation>
    </message>
    <message>
        <source>工程大气压 (al)</source>
        <translation>technical atmosphere (at)</translation>
    </message>
    <message>
        <source>标准大气压 (atm)</source>
        <translation>standard atmosphere (atm)</translation>
    </message>
    <message>
        <source>力矩、转矩、力偶矩</source>
        <translation>Moment, torque</translation>
    </message>
    <message>
        <source>牛[顿]米 (N.m)</source>
        <translation>newton metre (N.m)</translation>
    </message>
    <message>
        <source>公斤力米 (kgf.m)</source>
        <translation>kilogram-force metre (kgf.m)</translation>
    </message>
    <message>
        <source>克力厘米 (gf.m)</source>
        <translation>gram-force centimetre (gf.cm)</translation>
    </message>
    <message>
        <source>达因厘米 (dyn.cm)</source>
        <translation>dyne centimetre (dyn.cm)</translation>
    </message>
    <message>
        <source>磅力英尺 (lbf.ft)</source>
        <translation>pound-force foot (lbf.ft)</translation>
    </message>
    <message>
        <source>转动惯量</source>
        <translation>Moment of inertia</translation>
    </message>
    <message>
        <source>千克二次方米 (kg.m^2)</source>
        <translation>kilogram square metre (kg.m^2)</translation>
    </message>
    <message>
        <source>磅二次方英尺 (lb.ft^2)</source>
        <translation>pound square foot (lb.ft^2)</translation>
    </message>
    <message>
        <source>磅二次方英寸 (lb.in^2)</source>
        <translation>pound square inch (lb.in^2)</translation>
    </message>
    <message>
        <source>能量，功，热</source>
        <translation>Energy, work, heat</translation>
    </message>
    <message>
        <source>焦[耳] (J)</source>
        <translation>joule (J)</translation>
    </message>
    <message>
        <source>电子伏 (eV)</source>
        <translation>electronvolt (eV)</translation>
    </message>
    <message>
        <source>千瓦小时 (kW.h)</source>
        <translation>kilowatt hour (kW.h)</translation>
    </message>
    <message>
        <source>千克力米 (kgf.m)</source>
        <translation>kilogram-force metre (kgf.m)</translation>
    </message>
    <message>
        <source>卡 (cal)</source>
        <translation>calorie (cal)</translation>
    </message>
    <message>
        <source>尔格 (erg)</source>
        <translation>erg (erg)</translation>
    </message>
    <message>
        <source>英热单位 (Btu)</source>
        <translation>British thermal unit (Btu)</translation>
    </message>
    <message>
        <source>功率，辐射能量</source>
        <translation>Power, radiant flux</translation>
    </message>
    <message>
        <source>瓦[特] (W)</source>
        <translation>watt (W)</translation>
    </message>
    <message>
        <source>乏 (var)</source>
        <translation>var (var)</translation>
    </message>
    <message>
        <source>伏安 (VA)</source>
        <translation>volt-ampere (VA)</translation>
    </message>
    <message>
        <source>马力 (PS)</source>
        <translation>metric horsepower (PS)</translation>
    </message>
    <message>
        <source>英马力 (HP)</source>
        <translation>horsepower (HP)</translation>
    </message>
    <message>
        <source>电工马力</source>
        <translation>electrical horsepower</translation>
    </message>
    <message>
        <source>卡每秒 (cal/s)</source>
        <translation>calorie per second (cal/s)</translation>
    </message>
    <message>
        <source>千卡每小时 (kcal/h)</source>
        <translation>kilocalorie per hour (kcal/h)</translation>
    </message>
    <message>
        <source>质量流量</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>千克每秒 (kg/s)</source>
        <translation>kilogram per second (kg/s)</translation>
    </message>
    <message>
        <source>磅每秒 (lb/s)</source>
        <translation>pound per second (lb/s)</translation>
    </message>
    <message>
        <source>磅每小时 (lb/h)</source>
        <translation>pound per hour (lb/h)</translation>
    </message>
    <message>
        <source>体积流量</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>立方米每秒 (m^3/s)</source>
        <translation>cubic metre per second (m^3/s)</translation>
    </message>
    <message>
        <source>立方英尺每秒 (ft^3/s)</source>
        <translation>cubic foot per second (ft^3/s)</translation>
    </message>
    <message>
        <source>立方英寸每小时 (in^3/h)</source>
        <translation>cubic inch per hour (in^3/h)</translation>
    </message>
    <message>
        <source>动力粘度</source>
        <translation>Dynamic viscosity</translation>
    </message>
    <message>
        <source>帕[斯卡]秒 (Pa.s)</source>
        <translation>pascal second (Pa.s)</translation>
    </message>
    <message>
        <source>泊 (P，Po)</source>
        <translation>poise (P, Po)</translation>
    </message>
    <message>
        <source>厘泊 (cP)</source>
        <translation>centipoise (cP)</translation>
    </message>
    <message>
        <source>千克力秒每平方米 (kgf.s/m)</source>
        <translation>kilogram-force second per square metre (kgf.s/m^2)</translation>
    </message>
    <message>
        <source>磅力秒每平方英尺 (lbf.s/ft^2)</source>
        <translation>pound-force second per square foot (lbf.s/ft^2)</translation>
    </message>
    <message>
        <source>磅力秒每平方英寸 (lbf.s/in^2)</source>
        <translation>pound-force second per square inch (lbf.s/in^2)</translation>
    </message>
    <message>
        <source>运动粘度</source>
        <translation>Kinematic viscosity</translation>
    </message>
    <message>
        <source>二次方米每秒 (m^2/s)</source>
        <translation>square metre per second (m^2/s)</translation>
    </message>
    <message>
        <source>斯托克斯 (St)</source>
        <translation>stokes (St)</translation>
    </message>
    <message>
        <source>厘斯托克基斯 (cSt)</source>
        <translation>centistokes (cSt)</translation>
    </message>
    <message>
        <source>二次方英尺每秒 (ft^2/s)</source>
        <translation>square foot per second (ft^2/s)</translation>
    </message>
    <message>
        <source>二次方英寸每秒 (in^2/s)</source>
        <translation>square inch per second (in^2/s)</translation>
    </message>
    <message>
        <source>电脑容量</source>
        <translation>Data size</translation>
    </message>
    <message>
        <source>全部滚动轴承</source>
        <translation>All rolling bearings</translation>
    </message>
    <message>
        <source>深沟球轴承(GB/T276-94)</source>
        <translation>Deep groove ball bearings (GB/T276-94)</translation>
    </message>
    <message>
        <source>调心球轴承(GB/T281-94)</source>
        <translation>Self-aligning ball bearings (GB/T281-94)</translation>
    </message>
    <message>
        <source>圆柱滚子轴承(GB/T283-94)</source>
        <translation>Cylindrical roller bearings (GB/T283-94)</translation>
    </message>
    <message>
        <source>调心滚子轴承(GB/T288-94)</source>
        <translation>Spherical roller bearings (GB/T288-94)</translation>
    </message>
    <message>
        <source>圆锥滚子轴承(GB/T297-94)</source>
        <translation>Tapered roller bearings (GB/T297-94)</translation>
    </message>
    <message>
        <source>双列圆锥滚子轴承(GB/T299-1995)</source>
        <translation>Double-row tapered roller bearings (GB/T299-1995)</translation>
    </message>
    <message>
        <source>角接触球轴承(GB/T292-94)</source>
        <translation>Angular contact ball bearings (GB/T292-94)</translation>
    </message>
    <message>
        <source>滚针轴承(GB/T5801-94)</source>
        <translation>Needle roller bearings (GB/T5801-94)</translation>
    </message>
    <message>
        <source>推力球轴承(GB/T301-1995)</source>
        <translation>Thrust ball bearings (GB/T301-1995)</translation>
    </message>
    <message>
        <source>推力调心滚子轴承(GB/T5859-94)</source>
        <translation>Spherical roller thrust bearings (GB/T5859-94)</translation>
    </message>
    <message>
        <source>推力圆柱滚子轴承(GB/T4663-94)</source>
        <translation>Cylindrical roller thrust bearings (GB/T4663-94)</translation>
    </message>
    <message>
        <source>推力圆锥滚子轴承(GB/T4663-1994)</source>
        <translation>Tapered roller thrust bearings (GB/T4663-1994)</translation>
    </message>
    <message>
        <source>定时提醒</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>定时注销</source>
        <translation>Log off</translation>
    </message>
    <message>
        <source>定时重启</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>定时关机</source>
        <translation>Shut down</translation>
    </message>
    <message>
        <source>定时待机</source>
        <translation>Stand by</translation>
    </message>
    <message>
        <source>定时运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>关显示器</source>
        <translation>Monitor off</translation>
    </message>
    <message>
        <source>无周期</source>
        <translation>Once</translation>
    </message>
    <message>
        <source>每分钟</source>
        <translation>Every min.</translation>
    </message>
    <message>
        <source>每小时</source>
        <translation>Hourly</translation>
    </message>
    <message>
        <source>每  天</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>每  周</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>每  月</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>系统注销</source>
        <translation>Log off</translation>
    </message>
    <message>
        <source>系统重启</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>系统关机</source>
        <translation>Shut down</translation>
    </message>
    <message>
        <source>系统待机</source>
        <translation>Stand by</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>元/吨</source>
        <translation>CNY/t</translation>
    </message>
    <message>
        <source>元/千克</source>
        <translation>CNY/kg</translation>
    </message>
    <message>
        <source>元/米</source>
        <translation>CNY/m</translation>
    </message>
    <message>
        <source>元/件</source>
        <translation>CNY/piece</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>品名</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>规格</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>长度(%1)</source>
        <translation>Length (%1)</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>单重</source>
        <translation>Unit weight</translation>
    </message>
    <message>
        <source>单件重(%1)</source>
        <translation>Piece weight (%1)</translation>
    </message>
    <message>
        <source>总重(%1)</source>
        <translation>Total weight (%1)</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Unit price</translation>
    </message>
    <message>
        <source>计价方式</source>
        <translation>Priced per</translation>
    </message>
    <message>
        <source>金额(元)</source>
        <translation>Amount (CNY)</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>总长(m)</source>
        <translation>Total length (m)</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>材料清单</source>
        <translation>Materials list</translation>
    </message>
    <message>
        <source>汇总（按品名、规格、材质）</source>
        <translation>Summary (by product, size and grade)</translation>
    </message>
    <message>
        <source>客户：</source>
        <translation>Customer: </translation>
    </message>
    <message>
        <source>工程：</source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>合计：%1 件，总重 %2 kg（%3 t），金额 %4 元</source>
        <translation>Total: %1 pieces, %2 kg (%3 t), amount %4 CNY</translation>
    </message>
    <message>
        <source>汇总</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>按品名、规格、材质汇总</source>
        <translation>Summary by product, size and grade</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>&amp;C第 &amp;P 页 / 共 &amp;N 页</source>
        <translation>&amp;CPage &amp;P of &amp;N</translation>
    </message>
    <message>
        <source> kg/件</source>
        <translation> kg/piece</translation>
    </message>
    <message>
        <source>元/吨</source>
        <translation>CNY/t</translation>
    </message>
    <message>
        <source>元/千克</source>
        <translation>CNY/kg</translation>
    </message>
    <message>
        <source>元/米</source>
        <translation>CNY/m</translation>
    </message>
    <message>
        <source>元/件</source>
        <translation>CNY/piece</translation>
    </message>
</context>
<context>
    <name>PagedDocument</name>
    <message>
        <source>日期：%1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>Cannot write %1</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>无法保存到配置文件：%1</source>
        <translation>Cannot save to the settings file: %1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>SizeTerms</name>
    <message>
        <source>工</source>
        <translation>I</translation>
    </message>
    <message>
        <source>开口销</source>
        <translation>Cotter pin</translation>
    </message>
    <message>
        <source>天然纤芯</source>
        <translation>NFC</translation>
    </message>
    <message>
        <source>合成纤芯</source>
        <translation>SFC</translation>
    </message>
    <message>
        <source>钢芯</source>
        <translation>IWRC</translation>
    </message>
    <message>
        <source>纤维芯</source>
        <translation>FC</translation>
    </message>
    <message>
        <source>六角</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>八角</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>螺纹钢</source>
        <translation>Rebar</translation>
    </message>
</context>
<context>
    <name>TaskTexts</name>
    <message>
        <source>1</source>
        <comment>Monday in a weekly task&apos;s line</comment>
        <translation>Mon</translation>
    </message>
    <message>
        <source>2</source>
        <comment>Tuesday in a weekly task&apos;s line</comment>
        <translation>Tue</translation>
    </message>
    <message>
        <source>3</source>
        <comment>Wednesday in a weekly task&apos;s line</comment>
        <translation>Wed</translation>
    </message>
    <message>
        <source>4</source>
        <comment>Thursday in a weekly task&apos;s line</comment>
        <translation>Thu</translation>
    </message>
    <message>
        <source>5</source>
        <comment>Friday in a weekly task&apos;s line</comment>
        <translation>Fri</translation>
    </message>
    <message>
        <source>6</source>
        <comment>Saturday in a weekly task&apos;s line</comment>
        <translation>Sat</translation>
    </message>
    <message>
        <source>7</source>
        <comment>Sunday in a weekly task&apos;s line</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <source>星期一</source>
        <comment>the weekday list</comment>
        <translation>Mon</translation>
    </message>
    <message>
        <source>星期二</source>
        <comment>the weekday list</comment>
        <translation>Tue</translation>
    </message>
    <message>
        <source>星期三</source>
        <comment>the weekday list</comment>
        <translation>Wed</translation>
    </message>
    <message>
        <source>星期四</source>
        <comment>the weekday list</comment>
        <translation>Thu</translation>
    </message>
    <message>
        <source>星期五</source>
        <comment>the weekday list</comment>
        <translation>Fri</translation>
    </message>
    <message>
        <source>星期六</source>
        <comment>the weekday list</comment>
        <translation>Sat</translation>
    </message>
    <message>
        <source>星期日</source>
        <comment>the weekday list</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <source>%1、%2月%3日%4</source>
        <translation>%1. %2-%3 %4</translation>
    </message>
    <message>
        <source>%1、每分钟 %2</source>
        <translation>%1. Every minute at :%2</translation>
    </message>
    <message>
        <source>%1、每小时 %2:%3</source>
        <translation>%1. Hourly at %2:%3</translation>
    </message>
    <message>
        <source>%1、每天 %2</source>
        <translation>%1. Daily %2</translation>
    </message>
    <message>
        <source>%1、每周%2 %3</source>
        <translation>%1. Weekly %2 %3</translation>
    </message>
    <message>
        <source>%1、每月 %2日%3</source>
        <translation>%1. Monthly, day %2, %3</translation>
    </message>
    <message>
        <source>%1、</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>运行%1</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <source>现在时间:%1 %2%3</source>
        <translation>Now: %1 %2 %3</translation>
    </message>
    <message>
        <source>系统已运行: %1小时%2分%3秒</source>
        <translation>System up: %1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1月%2日 %3</source>
        <translation>%1/%2 %3</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::AboutTexts</name>
    <message>
        <source>一、计算重量
三个页面共十八种钢材：
第一页：钢板一、钢板二、角钢(热轧)、圆钢/钢管、槽钢(热轧)、工字钢；
第二页：方管/矩形管、焊管/钢管、螺栓/螺母/垫圈/开口销、H钢/T钢、花纹板/钢板网、钢丝绳；
第三页：六角钢、八角钢、螺纹钢、角钢(冷弯)、槽钢(冷弯)、Z型钢(冷弯)。
选好型号，输入尺寸和长度(或面积)，重量立即显示在&quot;重量&quot;按钮右侧。点击&quot;重量&quot;按钮即把该重量复制到剪贴板。
</source>
        <translation>1. Weights
Eighteen steel products on three pages:
Page 1: plate, plate by area, angle (hot-rolled), round bar / tube, channel (hot-rolled), I-beam;
Page 2: square / rectangular tube, welded pipe, bolts, nuts, washers and pins, H-beam / T-bar, checker plate / expanded metal, wire rope;
Page 3: hexagon bar, octagon bar, rebar, angle (cold-formed), channel (cold-formed), Z-section (cold-formed).
Pick a size, type the dimensions and the length (or area): the weight shows at once to the right of the &quot;Weight&quot; button. A click on &quot;Weight&quot; copies that weight to the clipboard.
</translation>
    </message>
    <message>
        <source>二、设置
单位制：&quot;kg;mm&quot; 长度按毫米、面积按平方毫米，重量按千克；&quot;kg;m&quot; 长度按米、面积按平方米，重量按千克；&quot;t;m&quot; 长度按米、面积按平方米，重量按吨。厚度、直径、壁厚等截面尺寸始终按毫米输入；钢丝绳长度始终按米输入。
小数位数：0～9 位，所有重量都按此位数显示；单重固定显示三位小数(钢丝绳两位)。
材料密度：单位 t/m3，默认 7.85(钢)，只接受普通数字，不能输入算式。修改后所有结果立即重算；型号表中的单重按 密度÷7.85 换算(钢丝绳除外)。
&quot;重 置&quot;：三个页面恢复初始状态，统计栏保持不变。
&quot;置 顶&quot;：窗口总在其他窗口之上，再点&quot;不置顶&quot;取消。
右下角箭头按钮：显示或隐藏广告区。在窗口空白处点右键可打开&quot;关于Zelvik&quot;。
</source>
        <translation>2. Settings
Units: &quot;kg;mm&quot; takes lengths in millimetres and areas in square millimetres and gives kilograms; &quot;kg;m&quot; takes metres and square metres and gives kilograms; &quot;t;m&quot; takes metres and square metres and gives tonnes. Section dimensions (thickness, diameter, wall) are always in millimetres; wire-rope lengths always in metres.
Decimals: 0 to 9; every weight shows that many places. Unit weights always show three places (wire rope two).
Density: in t/m3, 7.85 (steel) by default; a plain number, not arithmetic. A change recomputes every result at once; the unit weights of the size tables are scaled by density ÷ 7.85 (except wire rope).
&quot;Reset&quot;: the three pages go back to where they started; the sum stays.
&quot;On top&quot;: the window stays above all others; &quot;Not on top&quot; ends that.
The arrow button at the bottom right shows or hides the advertisement. A right click on an empty part of the window opens &quot;About Zelvik&quot;.
</translation>
    </message>
    <message>
        <source>三、统计栏
勾选&quot;统计:&quot;后，每点一次&quot;重量&quot;按钮，该重量就自动进入统计栏第一格：选&quot;+&quot;时累加，选&quot;-&quot;时累减，第二格显示合计。取消勾选则只复制不统计。
第一格也可以直接输入算式，当作计算器使用；清空第一格即可重新统计。
&quot;=&quot;：复制右侧的合计值。计算器图标：调用系统计算器。
正在输入的算式，其计算结果临时显示在统计栏下方右侧。
</source>
        <translation>3. The sum
With &quot;Sum:&quot; ticked, each click on a &quot;Weight&quot; button puts that weight into the sum&apos;s first box: added with &quot;+&quot;, subtracted with &quot;-&quot;; the second box shows the total. Untick it to copy weights without adding them up.
The first box also takes arithmetic typed in, as a calculator; empty it to start a new sum.
&quot;=&quot;: copies the total on its right. The calculator icon opens the desktop calculator.
The value of the expression being typed shows for a moment under the sum, on the right.
</translation>
    </message>
    <message>
        <source>四、算式输入
所有尺寸、长度、面积输入框和统计栏第一格都可以输入算式，例如 1200+350、2×6000。
运算符：
+ 加：1200+350 = 1550
- 减：6000-150 = 5850
* 乘，也可写作 x、X 或 ×：2*3 = 6，2x3 = 6，2X3 = 6，2×3 = 6
/ 除，也可写作 \ 或 ÷：8/2 = 4，8\2 = 4，8÷2 = 4
括号 ( )，也可用全角括号（ ）及 [ ]、{ }：（1+2）×3 = 9，[1+2]*{3} = 9
数字后紧跟括号或函数表示相乘：2(3+4) = 14，3sqrt(4) = 6
负号只能写在算式开头或左括号后面：-2*3 = -6，2*(-3) = -6；2*-3、+3、--3 都无法计算
函数的第二个参数是负数时也要加括号：pow(2,(-1)) = 0.5
空格自动忽略，字母不分大小写：SQRT(9) = 3
函数(三角函数和双曲函数的参数按&quot;度&quot;计算，反三角函数的结果也是&quot;度&quot;)：
abs 绝对值：abs(-5) = 5
acos 反余弦：acos(0.5) = 60
asin 反正弦：asin(0.5) = 30
atan 反正切：atan(1) = 45
acot 反余切：acot(1) = 45
cos 余弦：cos(60) = 0.5
cosh 双曲余弦：cosh(0) = 1
cot 余切：cot(45) = 1
exp e 的乘方：exp(1) = 2.718
floor 向下取整：floor(2.7) = 2
mod 余数：mod(7,3) = 1
ln 自然对数：ln(1) = 0
log 常用对数：log(1000) = 3
pow 乘方：pow(2,10) = 1024
sin 正弦：sin(30) = 0.5
sinh 双曲正弦：sinh(30) = 0.548
sqrt 平方根：sqrt(2)*100 = 141.421
tan 正切：tan(45) = 1
tanh 双曲正切：tanh(30) = 0.48
不支持 ^ 和 1e5 这样的写法。算式最长 99 个字符；无法计算的算式(如 1/0、sqrt(-1)、括号不配对)结果为 0。
</source>
        <translation>4. Arithmetic
Every size, length and area box and the first box of the sum take arithmetic, such as 1200+350 or 2×6000.
Operators:
+ add: 1200+350 = 1550
- subtract: 6000-150 = 5850
* multiply, also written x, X or ×: 2*3 = 6, 2x3 = 6, 2X3 = 6, 2×3 = 6
/ divide, also written \ or ÷: 8/2 = 4, 8\2 = 4, 8÷2 = 4
Brackets ( ), also full-width （ ） and [ ], { }: （1+2）×3 = 9, [1+2]*{3} = 9
A number right before a bracket or a function multiplies: 2(3+4) = 14, 3sqrt(4) = 6
A minus sign only at the start or after an opening bracket: -2*3 = -6, 2*(-3) = -6; 2*-3, +3 and --3 cannot be worked out
A negative second argument of a function needs brackets too: pow(2,(-1)) = 0.5
Blanks are ignored; letters may be upper or lower case: SQRT(9) = 3
Functions (trigonometric and hyperbolic ones take degrees, inverse trigonometric ones give degrees):
abs absolute value: abs(-5) = 5
acos arc cosine: acos(0.5) = 60
asin arc sine: asin(0.5) = 30
atan arc tangent: atan(1) = 45
acot arc cotangent: acot(1) = 45
cos cosine: cos(60) = 0.5
cosh hyperbolic cosine: cosh(0) = 1
cot cotangent: cot(45) = 1
exp power of e: exp(1) = 2.718
floor round down: floor(2.7) = 2
mod remainder: mod(7,3) = 1
ln natural logarithm: ln(1) = 0
log common logarithm: log(1000) = 3
pow power: pow(2,10) = 1024
sin sine: sin(30) = 0.5
sinh hyperbolic sine: sinh(30) = 0.548
sqrt square root: sqrt(2)*100 = 141.421
tan tangent: tan(45) = 1
tanh hyperbolic tangent: tanh(30) = 0.48
^ and forms such as 1e5 are not understood. An expression holds at most 99 characters; one that cannot be worked out (such as 1/0, sqrt(-1), unmatched brackets) gives 0.
</translation>
    </message>
    <message>
        <source>V3.5
1. 增加方管/矩形管、焊管/钢管计算。
2. 所有输入框支持四则运算算式。
</source>
        <translation>V3.5
1. Square / rectangular tube and welded pipe added.
2. Every input box takes arithmetic.
</translation>
    </message>
    <message>
        <source>V3.76
1. 增加统计栏，点击&quot;重量&quot;自动累加。
2. 增加材料密度设置，型号单重随密度换算。
3. 程序只允许运行一个，重复运行时给出提示。
</source>
        <translation>V3.76
1. The sum added: a click on &quot;Weight&quot; adds the weight up.
2. The material density setting added; unit weights follow the density.
3. Only one copy runs; a second one says so.
</translation>
    </message>
    <message>
        <source>V4.0
1. 增加第三页：六角钢、八角钢、螺纹钢及冷弯型钢。
2. 增加螺栓/螺母/垫圈/开口销单件重量。
3. 算式支持函数、全角符号及 x、÷ 等写法。
</source>
        <translation>V4.0
1. Page 3 added: hexagon bar, octagon bar, rebar and cold-formed sections.
2. Piece weights of bolts, nuts, washers and cotter pins added.
3. Arithmetic takes functions, full-width signs and x, ÷ and the like.
</translation>
    </message>
    <message>
        <source>V4.1
1. 增加H钢/T钢、花纹板/钢板网、钢丝绳计算。
2. 增加自定义材料，可扩充常用型号表。
3. 增加&quot;t;m&quot;单位制。
</source>
        <translation>V4.1
1. H-beam / T-bar, checker plate / expanded metal and wire rope added.
2. Custom sizes added to extend the size tables.
3. The &quot;t;m&quot; unit system added.
</translation>
    </message>
    <message>
        <source>V4.2
1. 统计栏增加&quot;-&quot;累减。
2. 增加实用小工具：材料密度、单位换算、焊管尺寸、轴承查询、定时任务。
3. 窗口可置顶，可停靠屏幕边缘自动隐藏。
4. 修正若干型号的单重。
</source>
        <translation>V4.2
1. The sum subtracts with &quot;-&quot;.
2. Tools added: material densities, unit conversion, welded pipe sizes, bearing lookup, scheduled tasks.
3. The window can stay on top and hide at a screen edge.
4. Unit weights of several sizes corrected.
</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CAboutDlg</name>
    <message>
        <source>软件使用说明</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>更新日志</source>
        <translation>Update log</translation>
    </message>
    <message>
        <source>检查
更新</source>
        <translation>Check for
updates</translation>
    </message>
    <message>
        <source>打开下载页面并在线检查新版本</source>
        <translation>Opens the download page and checks online for a new version</translation>
    </message>
    <message>
        <source>访问网店</source>
        <translation>Web shop</translation>
    </message>
    <message>
        <source>打开网店页面</source>
        <translation>Opens the web shop</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CBearingDlg</name>
    <message>
        <source>轴承查询</source>
        <translation>Bearing lookup</translation>
    </message>
    <message>
        <source>新代号   旧代号   基本尺寸(mm)  重量(kg)  </source>
        <translation>New no.  Old no.  d×D×B (mm)  Mass (kg)</translation>
    </message>
    <message>
        <source>查  询 (下一个)</source>
        <translation>Find next</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CCustomMaterialsDlg</name>
    <message>
        <source>自定义材料</source>
        <translation>Custom sizes</translation>
    </message>
    <message>
        <source>类型：</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>型号：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>规格：</source>
        <translation>Dims:</translation>
    </message>
    <message>
        <source>单重：</source>
        <translation>Unit wt:</translation>
    </message>
    <message>
        <source>添 加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删 除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>自定义完成后重新启动本软件！</source>
        <translation>Restart Zelvik when you are done!</translation>
    </message>
    <message>
        <source>%1、%2 %3 %4 %5</source>
        <translation>%1. %2 %3 %4 %5</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CCuttingDlg</name>
    <message>
        <source>下料优化</source>
        <translation>Cutting plan</translation>
    </message>
    <message>
        <source>填好零件和原料，按“计算”。</source>
        <translation>Enter the pieces and the stock, then press &quot;Compute&quot;.</translation>
    </message>
    <message>
        <source>规格：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>可不填，如 L50×5</source>
        <translation>Optional, e.g. L50×5</translation>
    </message>
    <message>
        <source>零件</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>长度(mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>可从电子表格复制“长度、数量、标签”三列，按 Ctrl+V 粘贴</source>
        <translation>Copy the columns length, quantity and label from a spreadsheet and press Ctrl+V</translation>
    </message>
    <message>
        <source>添加行</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>原料</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>根数</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>单价(元/根)</source>
        <translation>Price (CNY/bar)</translation>
    </message>
    <message>
        <source>根数不限时留空；单价要么都填，要么都不填</source>
        <translation>Leave bars empty for no limit; give a price for every stock length or for none</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>不保留</source>
        <translation>none kept</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>锯缝：</source>
        <translation>Kerf:</translation>
    </message>
    <message>
        <source>端头切除：</source>
        <translation>End trim:</translation>
    </message>
    <message>
        <source>余料保留 ≥</source>
        <translation>Keep offcuts ≥</translation>
    </message>
    <message>
        <source>计算时限：</source>
        <translation>Time limit:</translation>
    </message>
    <message>
        <source>每根原料两端各切去的长度，含锯缝</source>
        <translation>Length cut off at each end of every bar, kerf included</translation>
    </message>
    <message>
        <source>不短于此长度的余料留作后用，不算废料</source>
        <translation>Offcuts at least this long are kept for later use, not counted as scrap</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>把方案以制表符分隔的文字复制到剪贴板 (Ctrl+C)</source>
        <translation>Copy the plan as tab-separated text to the clipboard (Ctrl+C)</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>填写规格后可算出原料的重量。</source>
        <translation>Give a size to have the stock weighed.</translation>
    </message>
    <message>
        <source>%1&#x3000;%2 kg/m</source>
        <translation>%1   %2 kg/m</translation>
    </message>
    <message>
        <source>%1 不是按长度下料的型材</source>
        <translation>%1 is not a section cut to length</translation>
    </message>
    <message>
        <source>看不懂这个规格</source>
        <translation>This size cannot be read</translation>
    </message>
    <message>
        <source>没有这个规格</source>
        <translation>No such size</translation>
    </message>
    <message>
        <source>不止一种规格</source>
        <translation>More than one size matches</translation>
    </message>
    <message>
        <source>尺寸不对</source>
        <translation>Wrong dimensions</translation>
    </message>
    <message>
        <source>，相近的有：%1</source>
        <translation>; close: %1</translation>
    </message>
    <message>
        <source>规格有误：%1</source>
        <translation>Size problem: %1</translation>
    </message>
    <message>
        <source>计算中…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>正在停止…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>用时 %1 秒。</source>
        <translation>Took %1 s.</translation>
    </message>
    <message>
        <source>已停止，显示目前最好的方案。</source>
        <translation>Stopped; showing the best plan so far.</translation>
    </message>
    <message>
        <source>已到时限，显示目前最好的方案。</source>
        <translation>Time limit reached; showing the best plan so far.</translation>
    </message>
    <message>
        <source>打印下料方案</source>
        <translation>Print cutting plan</translation>
    </message>
    <message>
        <source>无法打印。</source>
        <translation>Cannot print.</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>还没有下料方案。</source>
        <translation>No cutting plan yet.</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CDensityDlg</name>
    <message>
        <source>名     称</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>密度(t/m^3)</source>
        <translation>Density (t/m^3)</translation>
    </message>
    <message>
        <source>常用材料密度</source>
        <translation>Material densities</translation>
    </message>
    <message>
        <source>查询 (下一个)</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>密度值为温度t=20℃
时的值,部分为近似值</source>
        <translation>Densities at t = 20 ℃,
some of them approximate</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CListDlg</name>
    <message>
        <source>材料清单</source>
        <translation>Materials list</translation>
    </message>
    <message>
        <source>上次的清单，%1 行</source>
        <translation>The last list, %1 rows</translation>
    </message>
    <message>
        <source>第 %1 行：%2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>上次的清单 %1 无法读取（%2）。
它已改名为 %3，清单从空白开始。</source>
        <translation>The last list %1 cannot be read (%2).
It was renamed to %3; the list starts empty.</translation>
    </message>
    <message>
        <source>上次的清单 %1 无法读取（%2），也无法改名移开。
为了不覆盖它，这次的修改不会自动保留，请用“另存为”保存。</source>
        <translation>The last list %1 cannot be read (%2), nor moved aside.
So as not to overwrite it, changes are not kept automatically this time; use &quot;Save as&quot; to save them.</translation>
    </message>
    <message>
        <source>长度(%1)：</source>
        <translation>Length (%1):</translation>
    </message>
    <message>
        <source>合计：%1 行，%2 件&#x3000;&#x3000;总重 %3 %4</source>
        <translation>Total: %1 rows, %2 pcs   weight %3 %4</translation>
    </message>
    <message>
        <source>（%1 t）</source>
        <translation> (%1 t)</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;金额 %1 元</source>
        <translation>   amount CNY %1</translation>
    </message>
    <message>
        <source>未存为文件</source>
        <translation>Not saved to a file</translation>
    </message>
    <message>
        <source>（有未保存的修改）</source>
        <translation> (unsaved changes)</translation>
    </message>
    <message>
        <source>清单又能自动保留了</source>
        <translation>The list is kept automatically again</translation>
    </message>
    <message>
        <source>无法保留清单到 %1</source>
        <translation>Cannot keep the list in %1</translation>
    </message>
    <message>
        <source>无法把清单写到 %1。
在能写入之前，关机或出错会丢失修改；请用“另存为”另存一份。</source>
        <translation>Cannot write the list to %1.
Until it can be written, a shutdown or a fault loses changes; use &quot;Save as&quot; to save a copy.</translation>
    </message>
    <message>
        <source>没有收集%1：%2</source>
        <translation>%1 not collected: %2</translation>
    </message>
    <message>
        <source>已收集：%1 %2</source>
        <translation>Collected: %1 %2</translation>
    </message>
    <message>
        <source>正在读取粘贴的行…</source>
        <translation>Reading the pasted rows…</translation>
    </message>
    <message>
        <source>剪贴板里没有可以读的行</source>
        <translation>The clipboard holds no rows to read</translation>
    </message>
    <message>
        <source>已粘贴 %1 行</source>
        <translation>Pasted %1 rows</translation>
    </message>
    <message>
        <source>……还有 %1 行</source>
        <translation>… and %1 more rows</translation>
    </message>
    <message>
        <source>已粘贴 %1 行，%2 行没有读进来</source>
        <translation>Pasted %1 rows; %2 rows could not be read</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>已添加 %1 行。下面 %2 行读不懂，没有添加：

%3</source>
        <translation>Added %1 rows. These %2 rows could not be read and were not added:

%3</translation>
    </message>
    <message>
        <source>已复制 %1 行，可以粘贴到表格软件</source>
        <translation>Copied %1 rows, ready to paste into a spreadsheet</translation>
    </message>
    <message>
        <source>已删除 %1 行（撤销可恢复）</source>
        <translation>Deleted %1 rows (Undo brings them back)</translation>
    </message>
    <message>
        <source>只能移动相连的行</source>
        <translation>Only adjacent rows can be moved</translation>
    </message>
    <message>
        <source>已撤销</source>
        <translation>Undone</translation>
    </message>
    <message>
        <source>已重做</source>
        <translation>Redone</translation>
    </message>
    <message>
        <source>下料优化</source>
        <translation>Cutting plan</translation>
    </message>
    <message>
        <source>请先在清单里选中同一规格的行。</source>
        <translation>First select rows of one size in the list.</translation>
    </message>
    <message>
        <source>选中的行有 %1 种规格：%2。
下料优化一次只排一种规格，请只选同一规格的行。</source>
        <translation>The selected rows have %1 sizes: %2.
The cutting plan takes one size at a time; select rows of one size only.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 的件没有长度，不用下料。</source>
        <translation>Pieces of %1 have no length: nothing to cut.</translation>
    </message>
    <message>
        <source>下料优化窗口现在打不开。</source>
        <translation>The cutting plan window cannot open now.</translation>
    </message>
    <message>
        <source>汇总（按品名、规格、材质）</source>
        <translation>Summary (by product, size and grade)</translation>
    </message>
    <message>
        <source>打印和导出时写在表头</source>
        <translation>Printed and exported in the heading</translation>
    </message>
    <message>
        <source>客户：</source>
        <translation>Customer: </translation>
    </message>
    <message>
        <source>工程：</source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>没有修改：%1</source>
        <translation>Not changed: %1</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>导出 Excel…</source>
        <translation>Export Excel…</translation>
    </message>
    <message>
        <source>导出 PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Down</translation>
    </message>
    <message>
        <source>下料优化…</source>
        <translation>Cutting plan…</translation>
    </message>
    <message>
        <source>把选中的同一规格的行交给下料优化</source>
        <translation>Send the selected rows of one size to the cutting plan</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>收集</source>
        <translation>Collect</translation>
    </message>
    <message>
        <source>开着时，计算器的“重量”按钮把算出的件也加到清单里</source>
        <translation>When on, the calculators&apos; &quot;Weight&quot; button also adds the piece it weighed to the list</translation>
    </message>
    <message>
        <source>如 L50×5、[20a、Φ108×4、-10×1500×6000</source>
        <translation>e.g. L50×5, [20a, Φ108×4, -10×1500×6000</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>规格：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>数量：</source>
        <translation>Qty:</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CPageOne</name>
    <message>
        <source>长:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>宽:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>厚:</source>
        <translation>Thick:</translation>
    </message>
    <message>
        <source>面积:</source>
        <translation>Area:</translation>
    </message>
    <message>
        <source>厚度:</source>
        <translation>Thick:</translation>
    </message>
    <message>
        <source>型号:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>长度:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>外径:</source>
        <translation>OD:</translation>
    </message>
    <message>
        <source>内径:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>壁厚:</source>
        <translation>Wall:</translation>
    </message>
    <message>
        <source>规格:</source>
        <translation>Dims:</translation>
    </message>
    <message>
        <source>圆钢或钢管外圆直径</source>
        <translation>Outside diameter of the bar or tube</translation>
    </message>
    <message>
        <source>选择内径模式</source>
        <translation>Give the tube by its inside diameter</translation>
    </message>
    <message>
        <source>钢管内圆直径,0表示圆钢</source>
        <translation>Inside diameter of the tube; 0 for a solid bar</translation>
    </message>
    <message>
        <source>选择壁厚模式</source>
        <translation>Give the tube by its wall thickness</translation>
    </message>
    <message>
        <source>钢管壁厚,r表示圆钢</source>
        <translation>Wall thickness of the tube; r for a solid bar</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CPageThree</name>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>规格:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>型号:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>长度:</source>
        <translation>Length:</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CPageTwo</name>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>型号:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>长度:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>面积:</source>
        <translation>Area:</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CSpecEntryDlg</name>
    <message>
        <source>壁厚为0</source>
        <translation>the wall is 0</translation>
    </message>
    <message>
        <source>壁厚大于外径的一半</source>
        <translation>the wall is more than half the outside diameter</translation>
    </message>
    <message>
        <source>外径为0</source>
        <translation>the outside diameter is 0</translation>
    </message>
    <message>
        <source>尺寸为0</source>
        <translation>a dimension is 0</translation>
    </message>
    <message>
        <source>规格</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>规格:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>如 L50×5、[20a、Φ108×4、-10×1500×6000、M20</source>
        <translation>e.g. L50×5, [20a, Φ108×4, -10×1500×6000, M20</translation>
    </message>
    <message>
        <source>转到</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>规格…</source>
        <translation>Size…</translation>
    </message>
    <message>
        <source>输入规格，回车转到它的计算器</source>
        <translation>Type a size; Enter goes to its calculator</translation>
    </message>
    <message>
        <source>看不懂这个规格</source>
        <translation>This size cannot be read</translation>
    </message>
    <message>
        <source>没有这个规格</source>
        <translation>No such size</translation>
    </message>
    <message>
        <source>没有这个规格，相近的有：</source>
        <translation>No such size; close ones:</translation>
    </message>
    <message>
        <source>不止一种规格，请选一个：</source>
        <translation>More than one size matches; pick one:</translation>
    </message>
    <message>
        <source>尺寸不对：%1</source>
        <translation>Wrong dimensions: %1</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CTaskDlg</name>
    <message>
        <source>定时任务</source>
        <translation>Scheduled tasks</translation>
    </message>
    <message>
        <source>任务：</source>
        <translation>Task:</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>月</source>
        <translation>mo</translation>
    </message>
    <message>
        <source>日</source>
        <translation>d</translation>
    </message>
    <message>
        <source>时间：</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>分</source>
        <translation>m</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>内容：</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>添加任务</source>
        <translation>Add task</translation>
    </message>
    <message>
        <source>删除单项</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>清除所有</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>系统启动</source>
        <translation>At log-in</translation>
    </message>
    <message>
        <source>启动最小</source>
        <translation>Minimised</translation>
    </message>
    <message>
        <source>隐藏托盘</source>
        <translation>No tray icon</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>所有文件(*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CUnitConvertDlg</name>
    <message>
        <source>单 位 类 型:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>转  换  自:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>转  换  到:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>要转换数值:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>已转换数值:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>常用单位换算</source>
        <translation>Unit conversion</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CWeldPipeDlg</name>
    <message>
        <source>焊管尺寸</source>
        <translation>Welded pipe sizes</translation>
    </message>
    <message>
        <source>       薄壁焊管                 厚壁焊管</source>
        <translation>       Thin wall               Thick wall</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::CZelvikDlg</name>
    <message>
        <source>小数位数:</source>
        <translation>Decimals:</translation>
    </message>
    <message>
        <source>单位制:</source>
        <translation>Units:</translation>
    </message>
    <message>
        <source>提示：尺寸、长度框可输入算式，如 1200+350</source>
        <translation>Tip: sizes and lengths take arithmetic, such as 1200+350</translation>
    </message>
    <message>
        <source>材料密度(t/m3):</source>
        <translation>Density (t/m3):</translation>
    </message>
    <message>
        <source>置 顶</source>
        <translation>On top</translation>
    </message>
    <message>
        <source>重 置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>附加工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>广告位招商</source>
        <translation>Advertisement</translation>
    </message>
    <message>
        <source>统计:</source>
        <translation>Sum:</translation>
    </message>
    <message>
        <source>实用小工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>材料密度</source>
        <translation>Material densities</translation>
    </message>
    <message>
        <source>单位换算</source>
        <translation>Unit conversion</translation>
    </message>
    <message>
        <source>焊管尺寸</source>
        <translation>Welded pipe sizes</translation>
    </message>
    <message>
        <source>轴承查询</source>
        <translation>Bearing lookup</translation>
    </message>
    <message>
        <source>定时任务</source>
        <translation>Scheduled tasks</translation>
    </message>
    <message>
        <source>定义材料</source>
        <translation>Custom sizes</translation>
    </message>
    <message>
        <source>材料清单</source>
        <translation>Materials list</translation>
    </message>
    <message>
        <source>下料优化</source>
        <translation>Cutting plan</translation>
    </message>
    <message>
        <source>关于Zelvik</source>
        <translation>About Zelvik</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Keeps the window above the others</translation>
    </message>
    <message>
        <source>显示隐藏广告区</source>
        <translation>Shows or hides the advertisement</translation>
    </message>
    <message>
        <source>软件使用说明和更新日志</source>
        <translation>User guide and update log</translation>
    </message>
    <message>
        <source>点击复制右侧结果</source>
        <translation>Copies the total on the right</translation>
    </message>
    <message>
        <source>重置清零</source>
        <translation>Clears the three pages</translation>
    </message>
    <message>
        <source>更多工具和设置项</source>
        <translation>More tools and settings</translation>
    </message>
    <message>
        <source>勾选后附加窗体附着于主窗体</source>
        <translation>Tool windows move with the main window</translation>
    </message>
    <message>
        <source>点击调用系统计算器</source>
        <translation>Opens the desktop calculator</translation>
    </message>
    <message>
        <source>勾选后重量值自动进入计算器第一格</source>
        <translation>Each weight you click goes into the sum</translation>
    </message>
    <message>
        <source>表达式临时计算结果</source>
        <translation>Value of the expression being typed</translation>
    </message>
    <message>
        <source>托盘菜单</source>
        <translation>Tray menu</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>不置顶</source>
        <translation>Not on top</translation>
    </message>
    <message>
        <source> 第 一 页 </source>
        <translation> Page 1 </translation>
    </message>
    <message>
        <source> 第 二 页 </source>
        <translation> Page 2 </translation>
    </message>
    <message>
        <source> 第 三 页 </source>
        <translation> Page 3 </translation>
    </message>
</context>
<context>
    <name>zelvik::ui::ListFileActions</name>
    <message>
        <source>材料清单</source>
        <translation>Materials list</translation>
    </message>
    <message>
        <source>新清单（撤销可回到原来的清单）</source>
        <translation>New list (Undo returns to the previous one)</translation>
    </message>
    <message>
        <source>打开材料清单</source>
        <translation>Open materials list</translation>
    </message>
    <message>
        <source>材料清单 (*.csv);;所有文件 (*)</source>
        <translation>Materials lists (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>正在读取 %1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>无法打开 %1：%2
当前清单没有改动。</source>
        <translation>Cannot open %1: %2
The current list is unchanged.</translation>
    </message>
    <message>
        <source>无法打开 %1：第 %2 行：%3
当前清单没有改动。</source>
        <translation>Cannot open %1: line %2: %3
The current list is unchanged.</translation>
    </message>
    <message>
        <source>已打开 %1，%2 行（撤销可回到原来的清单）</source>
        <translation>Opened %1, %2 rows (Undo returns to the previous list)</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>材料清单 (*.csv)</source>
        <translation>Materials lists (*.csv)</translation>
    </message>
    <message>
        <source>正在保存…</source>
        <translation>Saving…</translation>
    </message>
    <message>
        <source>保存材料清单</source>
        <translation>Save materials list</translation>
    </message>
    <message>
        <source>无法保存 %1。
请检查文件夹是否存在、是否可写、磁盘是否已满。</source>
        <translation>Cannot save %1.
Check that the folder exists and is writable and that the disk is not full.</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Export Excel</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>正在导出 Excel…</source>
        <translation>Exporting Excel…</translation>
    </message>
    <message>
        <source>无法导出 %1：%2</source>
        <translation>Cannot export %1: %2</translation>
    </message>
    <message>
        <source>已导出 %1</source>
        <translation>Exported %1</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出 PDF…</source>
        <translation>Exporting PDF…</translation>
    </message>
    <message>
        <source>打印材料清单</source>
        <translation>Print materials list</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Printing…</translation>
    </message>
    <message>
        <source>无法打印：打印机没有接受文档。</source>
        <translation>Cannot print: the printer did not accept the document.</translation>
    </message>
    <message>
        <source>已送出打印，共 %1 页</source>
        <translation>Sent to the printer, %1 pages</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::ListTableModel</name>
    <message>
        <source>双击或直接输入以修改；选中多行时一次改所有选中的行</source>
        <translation>Double-click or type to change; with several rows selected, all of them change at once</translation>
    </message>
    <message>
        <source>kg/件</source>
        <translation>kg/piece</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::Main</name>
    <message>
        <source>该程序已经在运行了!</source>
        <translation>Zelvik is already running!</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::MessageBox</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>zelvik::ui::ToolWindows</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>很抱歉，没找到!!</source>
        <translation>Sorry, not found!</translation>
    </message>
</context>
</TS>
