#include "analysis/figures.h"

#include "analysis/par_sheet.h"

namespace analysis {

namespace {

Figure MakeFigure(const FigureInfo& info, int item, std::string key, std::string label) {
  Figure f;
  f.Id = info.Id;
  f.Item = item;
  f.Key = std::move(key);
  f.Label = std::move(label);
  return f;
}

// One figure for each paying combination; a combination's label says what it pays a coin.
void AddCombinations(std::vector<Figure>& v, const FigureInfo& info, const LineTable& table) {
  const auto& combos = table.Combinations;
  for (size_t i = 1; i < combos.size(); ++i)
    v.push_back(MakeFigure(info, static_cast<int>(i), std::string(info.Key) + combos[i].Key,
                           std::string(info.Label) + combos[i].Label + " (" +
                               std::to_string(combos[i].Multiplier) + ")"));
}

// The All Fruit award is listed only where the bet can win it.
bool Shown(const FigureInfo& info, const MachineTables& t) {
  return info.Id != FigureId::AllFruitOdds || t.Screen[0][0][0].FruitBonus > 0;
}

}  // namespace

const Figure* Report::Find(FigureId id, int item) const {
  for (const Figure& f : Figures)
    if (f.Id == id && f.Item == item) return &f;
  return nullptr;
}

double Report::Value(FigureId id, int item) const {
  const Figure* f = Find(id, item);
  return f ? f->Value : std::numeric_limits<double>::quiet_NaN();
}

std::vector<Figure> ReportLayout(const MachineTables& t) {
  std::vector<Figure> v;
  for (const FigureInfo& info : kFigures) {
    switch (info.Items) {
      case FigureItems::One:
        if (Shown(info, t)) v.push_back(MakeFigure(info, 0, std::string(info.Key), std::string(info.Label)));
        break;
      case FigureItems::RegularLines: AddCombinations(v, info, t.RegularLines); break;
      case FigureItems::CherryRollLines: AddCombinations(v, info, t.CherryRollLines); break;
      case FigureItems::BarRollLines: AddCombinations(v, info, t.BarRollLines); break;
      case FigureItems::SevensCounts:
        for (int s = 0; s <= 9; ++s)
          if (t.Screen[s][1][0].SevensBonus > 0 || t.Screen[s][1][1].SevensBonus > 0) {
            std::string key(info.Key), label = std::to_string(s);
            key += std::to_string(s);
            label += info.Label;
            v.push_back(MakeFigure(info, s, key, label));
          }
        break;
    }
  }
  return v;
}

}  // namespace analysis
