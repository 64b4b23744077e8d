<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CChromaticityPanel</name>
    <message>
        <location filename="../demo/ChromaticityPanel.cpp" line="+72"/>
        <source>Reject moves</source>
        <translation>拒绝移动</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supply the point of a rejected move</source>
        <translation>为被拒绝的移动指定点</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Drag a point of either triangle.</source>
        <translation>拖动任一三角形的顶点。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Output colour space</source>
        <translation>输出颜色空间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen colour space</source>
        <translation>屏幕颜色空间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group %1</source>
        <translation>组 %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>green</source>
        <translation>绿</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>white</source>
        <translation>白</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>project not saved: %1</source>
        <translation>工程未保存：%1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>rejected %1</source>
        <translation>已拒绝 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>accepted %1</source>
        <translation>已接受 %1</translation>
    </message>
    <message>
        <source>Group %1, point %2: accepted %3</source>
        <translation type="vanished">组 %1，点 %2：已接受 %3</translation>
    </message>
    <message>
        <source>Group %1, point %2: rejected %3</source>
        <translation type="vanished">组 %1，点 %2：已拒绝 %3</translation>
    </message>
</context>
<context>
    <name>CDemoMainWindow</name>
    <message>
        <location filename="../demo/MainWindow.cpp" line="+62"/>
        <source>SenderModuleDialog demo host</source>
        <translation>SenderModuleDialog 演示主机</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Reset sample project</source>
        <translation>恢复示例工程</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Dialogs</source>
        <translation>对话框</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>== %1 closed with %2</source>
        <translation>== %1 已关闭，返回 %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>host: nothing written</source>
        <translation>主机：未写入任何内容</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>host recorded:</source>
        <translation>主机记录：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>project not saved: %1</source>
        <translation>工程未保存：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>reset failed: %1</source>
        <translation>恢复失败：%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>== sample project restored</source>
        <translation>== 示例工程已恢复</translation>
    </message>
</context>
<context>
    <name>SDemoEntry</name>
    <message>
        <location filename="../demo/Entry_CBackgroundImageDlg.cpp" line="+6"/>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CChromaticityDlgWnd.cpp" line="+5"/>
        <source>Chromaticity editor</source>
        <translation>色度编辑器</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CResetCoefDlg.cpp" line="+26"/>
        <source>Reset calibration coefficient</source>
        <translation>重置校正系数</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reset seam coefficient</source>
        <translation>重置修缝系数</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CSetCanvasDlg.cpp" line="+33"/>
        <source>Canvas size</source>
        <translation>画布大小</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Canvas size over the area limit</source>
        <translation>画布大小超出面积限制</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CSetDepthRateDlg.cpp" line="+27"/>
        <source>Frame rate and colour depth</source>
        <translation>帧率和色深</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Frame rate and colour depth over the output limit</source>
        <translation>帧率和色深超出输出限制</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CCustomAddProcessorDlg.cpp" line="+29"/>
        <source>Processor %1</source>
        <translation>主控 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Custom add processor</source>
        <translation>自定义添加主控</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CDemoProjectConfigDlg.cpp" line="+17"/>
        <source>Demo project</source>
        <translation>演示工程</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CEdidSetDlg.cpp" line="+50"/>
        <location line="+29"/>
        <source>EDID settings</source>
        <translation>EDID设置</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>Sender input:</source>
        <translation>主控输入：</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>EDID settings - custom size over the limit</source>
        <translation>EDID设置 - 自定义尺寸超出限制</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>EDID settings - fibre input 132</source>
        <translation>EDID设置 - 光纤输入 132</translation>
    </message>
    <message>
        <location filename="../demo/Entry_CSetIPOfflineDlg.cpp" line="+46"/>
        <source>Offline IP - batch add</source>
        <translation>离线IP - 批量添加</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offline IP - batch add from entry</source>
        <translation>离线IP - 从入口批量添加</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offline IP - set 1 processor</source>
        <translation>离线IP - 设置 1 个主控</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offline IP - set 2 processors</source>
        <translation>离线IP - 设置 2 个主控</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offline IP - set 6 processors</source>
        <translation>离线IP - 设置 6 个主控</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offline IP - modify specified</source>
        <translation>离线IP - 修改指定主控</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offline IP - modify current set</source>
        <translation>离线IP - 修改当前设置</translation>
    </message>
</context>
</TS>
