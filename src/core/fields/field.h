#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <concepts>
#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

// The fields of each kind of record, one row a field: the key under which
// `marbolt-cli dump` shows it, the label by which the scenario diff names it
// (written in German and translated where it is shown),
// how to read it and, where the record has a plain setter, how to write it.
// The dump and the diff both walk these tables, so a field added as one row
// shows up in both.
namespace RecordFields {

// The translation context of the labels written in the tables.
inline constexpr char LabelContext[] = "RecordFields";
// `label` translated in `context`, with `number` filled in where it is not
// negative; empty for an empty label.
QString translatedLabel(const QString &label, const char *context, int number);

// How the diff words a change of the field.
enum class Shown {
    Plain,
    // A text, shortened around its first difference in the line.
    Text,
    // "x, y": the line says "verschoben von … nach …".
    Position,
};

template <class R> struct Field {
    Field(QString key, QString label, std::function<QJsonValue(const R &)> value,
          std::function<QString(const R &)> text = {}, Shown shown = Shown::Plain,
          std::function<void(R &, const QJsonValue &)> write = {})
        : key(std::move(key)), label(std::move(label)), value(std::move(value)),
          text(std::move(text)), shown(shown), write(std::move(write))
    {
    }

    // Key in the dump's object of the record, empty where the dump leaves the
    // field out. "a.b" is key b of the object under key a.
    QString key;
    // Label in the diff as written in the sources, empty where the diff does
    // not name the field; labelText() is what the diff shows.
    QString label;
    // The value as the dump shows it; an undefined value leaves the key out.
    std::function<QJsonValue(const R &)> value;
    // The value as the diff shows it; set wherever the label is.
    std::function<QString(const R &)> text;
    Shown shown = Shown::Plain;
    // Writes a value of the form `value` gives; empty for a field only read.
    std::function<void(R &, const QJsonValue &)> write;
    // Where the translation of `label` is found, and the number that fills
    // its %1 (none when negative).
    const char *labelContext = LabelContext;
    int labelNumber = -1;

    QString labelText() const { return translatedLabel(label, labelContext, labelNumber); }
    // The same field with its label translated in `context`, %1 filled by
    // `number`.
    Field translatedIn(const char *context, int number = -1) const
    {
        Field f = *this;
        f.labelContext = context;
        f.labelNumber = number;
        return f;
    }

    // The same field, worded by the diff as `as` says.
    Field shownAs(std::function<QString(const R &)> as) const
    {
        Field f = *this;
        f.text = std::move(as);
        return f;
    }
};

template <class R> using Table = std::vector<Field<R>>;

// Plain values as the dump and the diff show them.
inline QJsonValue json(bool v)
{
    return v;
}
inline QJsonValue json(const QString &v)
{
    return v;
}
template <std::integral V> QJsonValue json(V v)
{
    return qint64(v);
}
// "ja" or "nein".
QString text(bool v);
// „text“
QString text(const QString &v);
template <std::integral V> QString text(V v)
{
    return QString::number(qint64(v));
}
template <class V> V from(const QJsonValue &v)
{
    if constexpr (std::is_same_v<V, bool>)
        return v.toBool();
    else if constexpr (std::is_same_v<V, QString>)
        return v.toString();
    else
        return V(v.toInteger());
}

// A field read by `get` (a getter of R or a function of the record) and
// written by `set` (a setter of R or a function of the record and the value),
// shown as the value is.
template <class R, class Get, class Set = std::nullptr_t>
Field<R> field(QString key, QString label, Get get, Set set = nullptr)
{
    using V = std::decay_t<std::invoke_result_t<Get, const R &>>;
    Field<R> f{std::move(key), std::move(label),
               [get](const R &r) { return json(std::invoke(get, r)); },
               [get](const R &r) { return text(std::invoke(get, r)); },
               std::is_same_v<V, QString> ? Shown::Text : Shown::Plain};
    if constexpr (!std::is_null_pointer_v<Set>)
        f.write = [set](R &r, const QJsonValue &v) { std::invoke(set, r, from<V>(v)); };
    return f;
}

// Puts `value` under `key` ("a.b": into the object under a), unless it is
// undefined.
void insert(QJsonObject &object, QStringView key, const QJsonValue &value);

// Adds the fields of `record` that the dump shows to `object`.
template <class R> void addJson(const Table<R> &table, const R &record, QJsonObject &object)
{
    for (const Field<R> &f : table) {
        if (!f.key.isEmpty())
            insert(object, f.key, f.value(record));
    }
}
template <class R> QJsonObject toJson(const Table<R> &table, const R &record)
{
    QJsonObject object;
    addJson(table, record, object);
    return object;
}

// Shared forms of values.
// Amounts are stored in 1/32 t; a multiple of 1/32 is exact in a double and
// in its JSON text (86 3/32 t is 86.09375), so nothing of the stored value
// is lost and whole tons stay integers.
inline double tons(quint32 amount)
{
    return amount / 32.0;
}
// A name, or null where there is none.
inline QJsonValue orNull(const QString &name)
{
    return name.isEmpty() ? QJsonValue() : QJsonValue(name);
}
QString hex(quint32 v);
QString position(qint64 x, qint64 y);

// The diff's "Position" row of a record with x() and y(); the dump shows the
// two coordinates as fields of their own.
template <class R> Field<R> positionField()
{
    return Field<R>{{},
                    QT_TRANSLATE_NOOP("RecordFields", "Position"),
                    {},
                    [](const R &r) { return position(r.x(), r.y()); },
                    Shown::Position};
}

} // namespace RecordFields
