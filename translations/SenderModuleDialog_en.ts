<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAddressRules</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/AddressRules.cpp" line="+31"/>
        <source>IP地址已被使用。</source>
        <translation>The IP address is already in use.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP地址不能以0开头。</source>
        <translation>The IP address cannot start with 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP地址与默认网关相同。</source>
        <translation>The IP address is the same as the default gateway.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP地址是广播地址。</source>
        <translation>The IP address is a broadcast address.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>IP地址不合理。</source>
        <translation>The IP address is not valid.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入的IP地址和本机电脑的IP地址相同，会导致网络连接探测失败，是否继续？</source>
        <translation>The IP address entered is the same as this computer&apos;s IP address, which makes network connection detection fail. Continue?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>存在重复的IP地址。</source>
        <translation>There are duplicate IP addresses.</translation>
    </message>
</context>
<context>
    <name>CBackgroundImageDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CBackgroundImageDlg.cpp" line="+80"/>
        <source>背景图片设置</source>
        <translation>Background Image Settings</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+84"/>
        <source>选取图片...</source>
        <translation>Choose Image…</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>拉伸</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>启用</source>
        <translation>Enable</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>契合度</source>
        <translation>Fit</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>透明度</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>所选文件不是可以读取的图片。</source>
        <translation>The selected file is not a picture that can be read.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>图片不能大于%1×%2像素。</source>
        <translation>The picture may not be larger than %1 × %2 pixels.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>背景图片保存失败，已关闭背景。</source>
        <translation>The background picture could not be saved; the background has been turned off.</translation>
    </message>
</context>
<context>
    <name>CChromaticityDlgWnd</name>
    <message>
        <location filename="../SenderModuleDialog/Chromaticity/ChromaDiagramPainter.cpp" line="+344"/>
        <source>输出颜色空间</source>
        <translation>Output colour space</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>被覆盖</source>
        <translation>covered</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>屏幕颜色空间（校正后）</source>
        <translation>Screen colour space (calibrated)</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/Chromaticity/CChromaticityDlgWnd.cpp" line="+365"/>
        <source>色度图</source>
        <translation>Chromaticity diagram</translation>
    </message>
</context>
<context>
    <name>CCustomAddProcessorDlg</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/CCustomAddProcessorDlg.cpp" line="+62"/>
        <source>自定义添加主控</source>
        <translation>Custom Add Processor</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>主控数量</source>
        <translation>Processors</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>输出口数量</source>
        <translation>Output ports</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>起始IP地址</source>
        <translation>Start IP address</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
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
        <translation>Demo Project Configuration</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>主控类型</source>
        <translation>Processor type</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CEdidSetDlg</name>
    <message>
        <source>8 bit</source>
        <translation type="vanished">8-bit</translation>
    </message>
    <message>
        <source>10 bit</source>
        <translation type="vanished">10-bit</translation>
    </message>
    <message>
        <source>12 bit</source>
        <translation type="vanished">12-bit</translation>
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
        <translation>EDID Settings</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>帧率</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>色深</source>
        <translation>Colour depth</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>颜色格式</source>
        <translation>Colour format</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标准</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>连接电脑</source>
        <translation>Connected to a computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+96"/>
        <source>电脑</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location line="-262"/>
        <location line="+177"/>
        <source>8bit</source>
        <translation>8-bit</translation>
    </message>
    <message>
        <location line="-177"/>
        <location line="+177"/>
        <source>10bit</source>
        <translation>10-bit</translation>
    </message>
    <message>
        <location line="-177"/>
        <location line="+177"/>
        <source>12bit</source>
        <translation>12-bit</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>自定义：%1×%2</source>
        <translation>Custom: %1×%2</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>已使用DisplayID 1.3扩展块</source>
        <translation>DisplayID 1.3 extension block in use</translation>
    </message>
    <message>
        <location line="+133"/>
        <source>发送中...</source>
        <translation>Sending...</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>保存失败。</source>
        <translation>Saving failed.</translation>
    </message>
</context>
<context>
    <name>CResetCoefDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CResetCoefDlg.cpp" line="+26"/>
        <source>重置校正系数</source>
        <translation>Reset Calibration Coefficient</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>重置修缝系数</source>
        <translation>Reset Seam Coefficient</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>校正系数</source>
        <translation>Calibration coefficient</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>修缝系数</source>
        <translation>Seam coefficient</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>Cancel</translation>
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
        <translation>Canvas Size Settings</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CanvasRules.cpp" line="+29"/>
        <source>自定义(%1×%2)</source>
        <translation>Custom (%1×%2)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>画布的宽或高不能小于%1。</source>
        <translation>The canvas width or height cannot be less than %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>画布的宽不能大于%1。</source>
        <translation>The canvas width cannot be greater than %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>画布的高不能大于%1。</source>
        <translation>The canvas height cannot be greater than %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>画布的面积不能大于%1。</source>
        <translation>The canvas area cannot be greater than %1.</translation>
    </message>
</context>
<context>
    <name>CSetDepthRateDlg</name>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/CSetDepthRateDlg.cpp" line="+34"/>
        <source>帧率和色深设置</source>
        <translation>Frame Rate and Colour Depth Settings</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>支持的最大帧率</source>
        <translation>Maximum supported frame rate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>输出色深</source>
        <translation>Output colour depth</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../SenderModuleDialog/OutputSettings/DepthRateRules.cpp" line="+27"/>
        <source>输出视频区域不能超过888万像素。</source>
        <translation>The output video area cannot exceed 8.88 million pixels.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出视频区域不能超过260万像素。</source>
        <translation>The output video area cannot exceed 2.6 million pixels.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVI1~4的点数和不能超过888万。</source>
        <translation>The pixels of DVI 1 to 4 together cannot exceed 8.88 million.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVI5~8的点数和不能超过888万。</source>
        <translation>The pixels of DVI 5 to 8 together cannot exceed 8.88 million.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出口带载面积不能超过655360。</source>
        <translation>The load area of an output port cannot exceed 655,360.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDID的输出面积不能超过888W。</source>
        <translation>The EDID output area cannot exceed 8.88 million pixels.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDID的输出面积不能超过260W。</source>
        <translation>The EDID output area cannot exceed 2.6 million pixels.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>工程设置支持的最大帧率(%1Hz)小于实际输入的最大帧率(%2Hz)，是否继续？</source>
        <translation>The maximum frame rate the project supports (%1 Hz) is lower than the maximum frame rate of the actual input (%2 Hz). Continue?</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>%1Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1bit</source>
        <translation>%1-bit</translation>
    </message>
</context>
<context>
    <name>CSetIPOfflineDlg</name>
    <message>
        <location filename="../SenderModuleDialog/ProcessorNetwork/CSetIPOfflineDlg.cpp" line="+74"/>
        <source>批量添加IP</source>
        <translation>Batch Add IP Addresses</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>设置IP地址</source>
        <translation>Set IP Address</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>修改IP地址</source>
        <translation>Modify IP Address</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>添加数量</source>
        <translation>Number to add</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>起始IP地址</source>
        <translation>Start IP address</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>IP地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+11"/>
        <source>IP名称</source>
        <translation>IP name</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>主控 %1</source>
        <translation>Processor %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SenderModuleDialog</name>
    <message>
        <location filename="../SenderModuleDialog/Plugin/DialogSender.cpp" line="+15"/>
        <source>当前没有可设置的主控。</source>
        <translation>There is no current sender to set.</translation>
    </message>
</context>
</TS>
