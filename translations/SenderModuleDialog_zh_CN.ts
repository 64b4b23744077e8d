<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>CAddressRules</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/AddressRules.cpp" line="+31"/>
        <source>IP地址已被使用。</source>
        <translation>IP地址已被使用。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP地址不能以0开头。</source>
        <translation>IP地址不能以0开头。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP地址与默认网关相同。</source>
        <translation>IP地址与默认网关相同。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP地址是广播地址。</source>
        <translation>IP地址是广播地址。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>IP地址不合理。</source>
        <translation>IP地址不合理。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入的IP地址和本机电脑的IP地址相同，会导致网络连接探测失败，是否继续？</source>
        <translation>输入的IP地址和本机电脑的IP地址相同，会导致网络连接探测失败，是否继续？</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>存在重复的IP地址。</source>
        <translation>存在重复的IP地址。</translation>
    </message>
</context>
<context>
    <name>CBackgroundImageDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CBackgroundImageDlg.cpp" line="+80"/>
        <source>背景图片设置</source>
        <translation>背景图片设置</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+84"/>
        <source>选取图片...</source>
        <translation>选取图片...</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>拉伸</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>启用</source>
        <translation>启用</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>契合度</source>
        <translation>契合度</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>透明度</source>
        <translation>透明度</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>所选文件不是可以读取的图片。</source>
        <translation>所选文件不是可以读取的图片。</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>图片不能大于%1×%2像素。</source>
        <translation>图片不能大于%1×%2像素。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>背景图片保存失败，已关闭背景。</source>
        <translation>背景图片保存失败，已关闭背景。</translation>
    </message>
</context>
<context>
    <name>CChromaticityDlgWnd</name>
    <message>
        <location filename="../SenderModuleDialog/Chromaticity/ChromaDiagramPainter.cpp" line="+344"/>
        <source>输出颜色空间</source>
        <translation>输出颜色空间</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>被覆盖</source>
        <translation>被覆盖</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>屏幕颜色空间（校正后）</source>
        <translation>屏幕颜色空间（校正后）</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/Chromaticity/CChromaticityDlgWnd.cpp" line="+365"/>
        <source>色度图</source>
        <translation>色度图</translation>
    </message>
</context>
<context>
    <name>CCustomAddProcessorDlg</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/CCustomAddProcessorDlg.cpp" line="+62"/>
        <source>自定义添加主控</source>
        <translation>自定义添加主控</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>主控数量</source>
        <translation>主控数量</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>输出口数量</source>
        <translation>输出口数量</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>起始IP地址</source>
        <translation>起始IP地址</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CDemoProjectConfigDlg</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/CDemoProjectConfigDlg.cpp" line="+26"/>
        <source>Orvik</source>
        <translation>Orvik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Halbran</source>
        <translation>Halbran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mirelt</source>
        <translation>Mirelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tovane</source>
        <translation>Tovane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quindel</source>
        <translation>Quindel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Larnet</source>
        <translation>Larnet</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>演示工程配置</source>
        <translation>演示工程配置</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>主控类型</source>
        <translation>主控类型</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>确认</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CEdidSetDlg</name>
    <message>
        <source>8 bit</source>
        <translation type="vanished">8 bit</translation>
    </message>
    <message>
        <source>10 bit</source>
        <translation type="vanished">10 bit</translation>
    </message>
    <message>
        <source>12 bit</source>
        <translation type="vanished">12 bit</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/EdidSettings/CEdidSetDlg.cpp" line="+80"/>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>YCBCR 4:4:4</source>
        <translation>YCBCR 4:4:4</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>YCBCR 4:2:2</source>
        <translation>YCBCR 4:2:2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>YCBCR 4:4:0</source>
        <translation>YCBCR 4:4:0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CVT_RB</source>
        <translation>CVT_RB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CVT</source>
        <translation>CVT</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>EDID设置</source>
        <translation>EDID设置</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>分辨率</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>宽</source>
        <translation>宽</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>帧率</source>
        <translation>帧率</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>色深</source>
        <translation>色深</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>颜色格式</source>
        <translation>颜色格式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标准</source>
        <translation>标准</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>连接电脑</source>
        <translation>连接电脑</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>确认</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>自定义</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+96"/>
        <source>电脑</source>
        <translation>电脑</translation>
    </message>
    <message>
        <location line="-262"/>
        <location line="+177"/>
        <source>8bit</source>
        <translation>8bit</translation>
    </message>
    <message>
        <location line="-177"/>
        <location line="+177"/>
        <source>10bit</source>
        <translation>10bit</translation>
    </message>
    <message>
        <location line="-177"/>
        <location line="+177"/>
        <source>12bit</source>
        <translation>12bit</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>自定义：%1×%2</source>
        <translation>自定义：%1×%2</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>已使用DisplayID 1.3扩展块</source>
        <translation>已使用DisplayID 1.3扩展块</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>发送中...</source>
        <translation>发送中...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存失败。</source>
        <translation>保存失败。</translation>
    </message>
</context>
<context>
    <name>CResetCoefDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CResetCoefDlg.cpp" line="+26"/>
        <source>重置校正系数</source>
        <translation>重置校正系数</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>重置修缝系数</source>
        <translation>重置修缝系数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>校正系数</source>
        <translation>校正系数</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>修缝系数</source>
        <translation>修缝系数</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CSetCanvasDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CanvasRules.cpp" line="+17"/>
        <source>1920×1080</source>
        <translation>1920×1080</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3840×2160</source>
        <translation>3840×2160</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4096×2160</source>
        <translation>4096×2160</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CSetCanvasDlg.cpp" line="+34"/>
        <source>画布大小设置</source>
        <translation>画布大小设置</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>宽</source>
        <translation>宽</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CanvasRules.cpp" line="+29"/>
        <source>自定义(%1×%2)</source>
        <translation>自定义(%1×%2)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>画布的宽或高不能小于%1。</source>
        <translation>画布的宽或高不能小于%1。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>画布的宽不能大于%1。</source>
        <translation>画布的宽不能大于%1。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>画布的高不能大于%1。</source>
        <translation>画布的高不能大于%1。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>画布的面积不能大于%1。</source>
        <translation>画布的面积不能大于%1。</translation>
    </message>
</context>
<context>
    <name>CSetDepthRateDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CSetDepthRateDlg.cpp" line="+34"/>
        <source>帧率和色深设置</source>
        <translation>帧率和色深设置</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>支持的最大帧率</source>
        <translation>支持的最大帧率</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>输出色深</source>
        <translation>输出色深</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/DepthRateRules.cpp" line="+27"/>
        <source>输出视频区域不能超过888万像素。</source>
        <translation>输出视频区域不能超过888万像素。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出视频区域不能超过260万像素。</source>
        <translation>输出视频区域不能超过260万像素。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVI1~4的点数和不能超过888万。</source>
        <translation>DVI1~4的点数和不能超过888万。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVI5~8的点数和不能超过888万。</source>
        <translation>DVI5~8的点数和不能超过888万。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出口带载面积不能超过655360。</source>
        <translation>输出口带载面积不能超过655360。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDID的输出面积不能超过888W。</source>
        <translation>EDID的输出面积不能超过888W。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDID的输出面积不能超过260W。</source>
        <translation>EDID的输出面积不能超过260W。</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>工程设置支持的最大帧率(%1Hz)小于实际输入的最大帧率(%2Hz)，是否继续？</source>
        <translation>工程设置支持的最大帧率(%1Hz)小于实际输入的最大帧率(%2Hz)，是否继续？</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>%1Hz</source>
        <translation>%1Hz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1bit</source>
        <translation>%1bit</translation>
    </message>
</context>
<context>
    <name>CSetIPOfflineDlg</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/CSetIPOfflineDlg.cpp" line="+74"/>
        <source>批量添加IP</source>
        <translation>批量添加IP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>设置IP地址</source>
        <translation>设置IP地址</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>修改IP地址</source>
        <translation>修改IP地址</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>添加数量</source>
        <translation>添加数量</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>起始IP地址</source>
        <translation>起始IP地址</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>IP地址</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+11"/>
        <source>IP名称</source>
        <translation>IP名称</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>主控 %1</source>
        <translation>主控 %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SenderModuleDialog</name>
    <message>
        <location filename="../SenderModuleDialog/Plugin/DialogSender.cpp" line="+15"/>
        <source>当前没有可设置的主控。</source>
        <translation>当前没有可设置的主控。</translation>
    </message>
</context>
</TS>
