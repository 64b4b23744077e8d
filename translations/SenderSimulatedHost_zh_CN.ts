<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>CCustomMessageBox</name>
    <message>
        <location filename="../host/OstraControl/CCustomMessageBox.cpp" line="+29"/>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>是</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>否</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>提示</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>CHwVideoSourceLogic</name>
    <message>
        <location filename="../host/HardwareSupport/HwVideoSourceLogic.cpp" line="+13"/>
        <source>当前分辨率和帧率超出输入带宽限制。</source>
        <translation>当前分辨率和帧率超出输入带宽限制。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>当前分辨率超出该帧率下的最大带载面积。</source>
        <translation>当前分辨率超出该帧率下的最大带载面积。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>已使用DisplayID 1.3扩展块</source>
        <translation>已使用DisplayID 1.3扩展块</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>输入%1</source>
        <translation>输入%1</translation>
    </message>
</context>
</TS>
