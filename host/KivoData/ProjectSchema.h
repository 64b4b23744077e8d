#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The rules of the project file: which fields exist, their types and ranges.
// docs/project-file.md states them for people.
namespace ProjectSchema {

// Empty when the document keeps every rule; otherwise one line
// "path: what is wrong", e.g. "project.senders[1].frameRate: expected an
// integer, got a string".
QString Check(const QJsonObject& objRoot);

// objKnown with the fields of objLoaded that the project file does not know,
// so that a load and save keeps what a newer host or a person added.
QJsonObject KeepUnknown(const QJsonObject& objKnown, const QJsonObject& objLoaded);

// JSON forbids raw control characters inside strings, but the parser takes
// them; empty when there is none, else "line L, column C: ...".
QString FindRawControlCharacter(const QByteArray& baText);

// How a value appears in messages: "a string", "an array", "null", "4096.5", ...
QString Describe(const QJsonValue& value);

// "line L, column C" of a byte offset.
QString Position(const QByteArray& baText, int nOffset);

} // namespace ProjectSchema
