#include "TopoJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <set>

namespace mapgen {

namespace {

// Arcs are quantized and delta-encoded: each position adds to the previous one,
// then the transform scales and translates it to degrees.
std::vector<std::vector<QPointF>> DecodeArcs(const QJsonArray& arcs, const QJsonObject& transform) {
    const QJsonArray scale = transform["scale"].toArray();
    const QJsonArray translate = transform["translate"].toArray();
    const double sx = scale.isEmpty() ? 1.0 : scale[0].toDouble();
    const double sy = scale.isEmpty() ? 1.0 : scale[1].toDouble();
    const double tx = translate.isEmpty() ? 0.0 : translate[0].toDouble();
    const double ty = translate.isEmpty() ? 0.0 : translate[1].toDouble();
    const bool quantized = !scale.isEmpty();

    std::vector<std::vector<QPointF>> out;
    out.reserve(arcs.size());
    for (const QJsonValue& arc : arcs) {
        std::vector<QPointF> points;
        double x = 0.0, y = 0.0;
        for (const QJsonValue& position : arc.toArray()) {
            const QJsonArray p = position.toArray();
            if (quantized) {
                x += p[0].toDouble();
                y += p[1].toDouble();
                points.emplace_back(x * sx + tx, y * sy + ty);
            } else {
                points.emplace_back(p[0].toDouble(), p[1].toDouble());
            }
        }
        out.push_back(std::move(points));
    }
    return out;
}

// Index i is arc i forwards, ~i arc i backwards; joined arcs share their end point.
std::vector<QPointF> Ring(const QJsonArray& indexes, const std::vector<std::vector<QPointF>>& arcs,
                          std::vector<int>& used) {
    std::vector<QPointF> ring;
    for (const QJsonValue& v : indexes) {
        const int index = v.toInt();
        const int arc = index >= 0 ? index : ~index;
        if (arc < 0 || arc >= int(arcs.size())) continue;
        used.push_back(arc);
        std::vector<QPointF> points = arcs[arc];
        if (index < 0) std::reverse(points.begin(), points.end());
        if (!ring.empty() && !points.empty()) points.erase(points.begin());
        ring.insert(ring.end(), points.begin(), points.end());
    }
    return ring;
}

void AddPolygon(const QJsonArray& rings, const TTopology& topology, TCountry& country, std::vector<int>& used) {
    for (const QJsonValue& ring : rings) country.Rings.push_back(Ring(ring.toArray(), topology.Arcs, used));
}

}  // namespace

bool ReadCountries(const QString& path, TTopology& topology, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open " + path;
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject countries = root["objects"].toObject()["countries"].toObject();
    if (root["type"].toString() != "Topology" || countries.isEmpty()) {
        error = path + " is no topology with countries";
        return false;
    }
    topology.Arcs = DecodeArcs(root["arcs"].toArray(), root["transform"].toObject());

    std::vector<std::vector<int>> countriesOfArc(topology.Arcs.size());
    for (const QJsonValue& value : countries["geometries"].toArray()) {
        const QJsonObject geometry = value.toObject();
        const QJsonArray arcs = geometry["arcs"].toArray();
        TCountry country;
        std::vector<int> used;
        if (geometry["type"].toString() == "Polygon") {
            AddPolygon(arcs, topology, country, used);
        } else if (geometry["type"].toString() == "MultiPolygon") {
            for (const QJsonValue& polygon : arcs) AddPolygon(polygon.toArray(), topology, country, used);
        }
        for (int arc : used) countriesOfArc[arc].push_back(int(topology.Countries.size()));
        topology.Countries.push_back(std::move(country));
    }
    for (const std::vector<int>& owners : countriesOfArc) {
        for (int a : owners) {
            for (int b : owners) {
                if (a != b) topology.Countries[a].Neighbours.push_back(b);
            }
        }
    }
    for (TCountry& country : topology.Countries) {
        std::sort(country.Neighbours.begin(), country.Neighbours.end());
        country.Neighbours.erase(std::unique(country.Neighbours.begin(), country.Neighbours.end()),
                                 country.Neighbours.end());
    }
    return true;
}

}  // namespace mapgen
