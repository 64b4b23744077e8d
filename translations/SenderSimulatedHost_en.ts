<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CCustomMessageBox</name>
    <message>
        <location filename="../host/OstraControl/CCustomMessageBox.cpp" line="+29"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>提示</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>CHwVideoSourceLogic</name>
    <message>
        <location filename="../host/HardwareSupport/HwVideoSourceLogic.cpp" line="+13"/>
        <source>当前分辨率和帧率超出输入带宽限制。</source>
        <translation>The current resolution and frame rate exceed the input bandwidth limit.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>当前分辨率超出该帧率下的最大带载面积。</source>
        <translation>The current resolution exceeds the maximum load area at this frame rate.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>已使用DisplayID 1.3扩展块</source>
        <translation>DisplayID 1.3 extension block in use</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>输入%1</source>
        <translation>Input %1</translation>
    </message>
</context>
</TS>
