// USD text: the scene as one Xform with the materials in a scope, the nodes
// nested as Xforms holding Mesh prims, the camera and the lights; and the
// usdz package around it.

#include "document/scene/SceneWriters.h"

#include "document/scene/ZipArchive.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace ornival {

namespace {

// Prim names are identifiers, unique among their siblings.
class PrimNames {
public:
  std::string unique(std::string_view wanted) {
    std::string name;
    for (const char c : wanted) {
      const bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
      name += word ? c : '_';
    }
    if (!name.empty() && name[0] >= '0' && name[0] <= '9')
      name.insert(name.begin(), '_');
    if (name.empty())
      name = "_";
    std::string candidate = name;
    for (int n = 1; !used_.insert(candidate).second; ++n)
      candidate = name + "_" + formatInteger(n);
    return candidate;
  }

private:
  std::set<std::string> used_;
};

std::string number(double value) { return formatNumber(value); }

std::string tuple(std::initializer_list<double> values) {
  std::string out = "(";
  bool first = true;
  for (const double v : values) {
    if (!first)
      out += ", ";
    first = false;
    out += number(v);
  }
  return out + ")";
}

// Preview surfaces take their colours linear.
double linear(double srgb) {
  return srgb <= 0.04045 ? srgb / 12.92 : std::pow((srgb + 0.055) / 1.055, 2.4);
}

std::string linearColor(const Color& c) { return tuple({linear(c.red), linear(c.green), linear(c.blue)}); }

// USD's matrices act on rows, as ours do.
void appendTransform(std::string& out, const std::string& indent, const Transform3D& t) {
  out += indent + "matrix4d xformOp:transform = ( ";
  for (std::size_t r = 0; r < 4; ++r) {
    if (r > 0)
      out += ", ";
    out += tuple({t.m[r][0], t.m[r][1], t.m[r][2], t.m[r][3]});
  }
  out += " )\n" + indent + "uniform token[] xformOpOrder = [\"xformOp:transform\"]\n";
}

template <typename Each>
void appendArray(std::string& out, std::size_t count, Each each) {
  out += '[';
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0)
      out += ", ";
    each(out, i);
  }
  out += ']';
}

void appendMesh(std::string& out, const std::string& indent, const std::string& name, const ExportMesh& mesh,
                const std::string& materialPath) {
  out += indent + "def Mesh \"" + name + "\" (\n" + indent + "    prepend apiSchemas = [\"MaterialBindingAPI\"]\n" +
         indent + ")\n" + indent + "{\n";
  const std::string in = indent + "    ";
  if (!mesh.positions.empty()) {
    Vec3 low = mesh.positions.front();
    Vec3 high = low;
    for (const Vec3& p : mesh.positions) {
      low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
      high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    out += in + "float3[] extent = [" + tuple({low.x, low.y, low.z}) + ", " + tuple({high.x, high.y, high.z}) + "]\n";
  }
  out += in + "int[] faceVertexCounts = ";
  appendArray(out, mesh.triangles.size(), [](std::string& o, std::size_t) { o += '3'; });
  out += "\n" + in + "int[] faceVertexIndices = ";
  appendArray(out, mesh.triangles.size() * 3, [&](std::string& o, std::size_t i) {
    o += formatInteger(mesh.triangles[i / 3][i % 3]);
  });
  out += "\n" + in + "rel material:binding = <" + materialPath + ">\n";
  out += in + "normal3f[] normals = ";
  appendArray(out, mesh.normals.size(), [&](std::string& o, std::size_t i) {
    const Vec3& n = mesh.normals[i];
    o += tuple({n.x, n.y, n.z});
  });
  out += " (\n" + in + "    interpolation = \"vertex\"\n" + in + ")\n";
  out += in + "point3f[] points = ";
  appendArray(out, mesh.positions.size(), [&](std::string& o, std::size_t i) {
    const Vec3& p = mesh.positions[i];
    o += tuple({p.x, p.y, p.z});
  });
  out += "\n" + in + "uniform token subdivisionScheme = \"none\"\n" + indent + "}\n";
}

}  // namespace

std::string usdText(const ExportScene& scene) {
  std::string out = "#usda 1.0\n(\n    defaultPrim = \"scene\"\n    doc = \"Ornival\"\n    upAxis = \"Z\"\n)\n\n";
  out += "def Xform \"scene\" (\n    kind = \"component\"\n)\n{\n";

  PrimNames materialNames;
  std::vector<std::string> materialPaths;
  out += "    def Scope \"Materials\"\n    {\n";
  for (const ExportMaterial& m : scene.materials) {
    const std::string name = materialNames.unique(m.name);
    const std::string path = "/scene/Materials/" + name;
    materialPaths.push_back(path);
    out += "        def Material \"" + name + "\"\n        {\n";
    out += "            token outputs:surface.connect = <" + path + "/PreviewSurface.outputs:surface>\n\n";
    out += "            def Shader \"PreviewSurface\"\n            {\n";
    out += "                uniform token info:id = \"UsdPreviewSurface\"\n";
    out += "                color3f inputs:diffuseColor = " + linearColor(m.baseColor) + "\n";
    out += "                float inputs:metallic = " + number(m.metalness) + "\n";
    out += "                float inputs:opacity = " + number(m.baseColor.alpha) + "\n";
    out += "                float inputs:roughness = " + number(m.roughness) + "\n";
    out += "                token outputs:surface\n            }\n        }\n";
  }
  out += "    }\n";

  // Children follow their parents in the list: the nodes nest as they come.
  PrimNames topNames;
  topNames.unique("Materials");
  std::vector<PrimNames> childNames(scene.nodes.size());
  std::vector<std::size_t> open;
  const auto indent = [&] { return std::string(4 * (open.size() + 1), ' '); };
  const auto isAncestor = [&](std::size_t ancestor, std::size_t node) {
    for (auto at = scene.nodes[node].parent; at; at = scene.nodes[*at].parent)
      if (*at == ancestor)
        return true;
    return false;
  };
  const auto closeUntil = [&](std::optional<std::size_t> next) {
    while (!open.empty() && !(next && isAncestor(open.back(), *next))) {
      open.pop_back();
      out += indent() + "}\n";
    }
  };
  for (std::size_t i = 0; i < scene.nodes.size(); ++i) {
    closeUntil(i);
    const ExportNode& node = scene.nodes[i];
    PrimNames& siblings = open.empty() ? topNames : childNames[open.back()];
    out += "\n" + indent() + "def Xform \"" + siblings.unique(node.name) + "\"\n" + indent() + "{\n";
    open.push_back(i);
    appendTransform(out, indent(), node.transform);
    for (const std::size_t m : node.meshes) {
      const ExportMesh& mesh = scene.meshes[m];
      out += '\n';
      appendMesh(out, indent(), childNames[i].unique(mesh.name), mesh, materialPaths[mesh.material]);
    }
  }
  closeUntil(std::nullopt);

  if (const auto& camera = scene.camera) {
    out += "\n    def Camera \"" + topNames.unique(camera->name) + "\"\n    {\n";
    appendTransform(out, "        ", camera->transform);
    // Orthographic apertures are in tenths of a scene unit.
    const double height = camera->orthographicScale * 2.0;
    out += "        float2 clippingRange = " + tuple({camera->zNear, camera->zFar}) + "\n";
    out += "        float horizontalAperture = " + number(height * camera->aspectRatio * 10.0) + "\n";
    out += "        token projection = \"orthographic\"\n";
    out += "        float verticalAperture = " + number(height * 10.0) + "\n    }\n";
  }
  for (const ExportLight& light : scene.lights) {
    const bool ambient = light.type == LightType::ambient;
    out += "\n    def " + std::string(ambient ? "DomeLight" : "SphereLight") + " \"" + topNames.unique(light.name) +
           "\"\n    {\n";
    out += "        color3f inputs:color = " + linearColor(light.color) + "\n";
    out += "        float inputs:intensity = 1\n";
    if (!ambient) {
      out += "        float inputs:radius = 0\n        bool treatAsPoint = 1\n";
      appendTransform(out, "        ", light.transform);
    }
    out += "    }\n";
  }
  out += "}\n";
  return out;
}

std::string usdzPackage(const ExportScene& scene) {
  return storedZip({{"scene.usda", usdText(scene)}}, 64);
}

}  // namespace ornival
