// COLLADA 1.4.1: one effect and material per export material, one geometry
// per mesh, the camera and lights, and the node tree in one visual scene.

#include "document/scene/SceneWriters.h"

#include "platform/NumberText.h"
#include "platform/XmlText.h"

namespace ornival {

namespace {

void appendColor(std::string& out, const Color& c, bool alpha) {
  out += formatNumber(c.red) + " " + formatNumber(c.green) + " " + formatNumber(c.blue);
  if (alpha)
    out += " " + formatNumber(c.alpha);
}

// COLLADA writes matrices for column vectors, row after row: our rows are
// its columns.
void appendMatrix(std::string& out, const Transform3D& t) {
  out += "<matrix sid=\"transform\">";
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 4; ++c) {
      if (r + c > 0)
        out += ' ';
      out += formatNumber(t.m[c][r]);
    }
  out += "</matrix>\n";
}

void appendSource(std::string& out, const std::string& id, const std::vector<Vec3>& values, const char* names) {
  out += "<source id=\"" + id + "\"><float_array id=\"" + id + "-array\" count=\"" +
         formatInteger(std::int64_t(values.size() * 3)) + "\">";
  bool first = true;
  for (const Vec3& v : values) {
    for (const double x : {v.x, v.y, v.z}) {
      if (!first)
        out += ' ';
      first = false;
      out += formatNumber(x);
    }
  }
  out += "</float_array>\n<technique_common><accessor source=\"#" + id + "-array\" count=\"" +
         formatInteger(std::int64_t(values.size())) + "\" stride=\"3\">";
  for (const char* name = names; *name; ++name)
    out += std::string("<param name=\"") + *name + "\" type=\"float\"/>";
  out += "</accessor></technique_common></source>\n";
}

}  // namespace

std::string colladaDocument(const ExportScene& scene, std::string_view created) {
  std::string out =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
      "<COLLADA xmlns=\"http://www.collada.org/2005/11/COLLADASchema\" version=\"1.4.1\">\n"
      "<asset><contributor><authoring_tool>Ornival</authoring_tool></contributor>";
  out += "<created>" + xmlEscaped(created) + "</created><modified>" + xmlEscaped(created) + "</modified>";
  out += "<up_axis>Z_UP</up_axis></asset>\n";

  out += "<library_effects>\n";
  for (std::size_t i = 0; i < scene.materials.size(); ++i) {
    const ExportMaterial& m = scene.materials[i];
    const std::string id = "material" + formatInteger(std::int64_t(i));
    // The common profile has no metalness or roughness; they go along as an
    // extra that readers may skip.
    out += "<effect id=\"" + id + "-effect\"><profile_COMMON><technique sid=\"common\"><lambert><diffuse><color>";
    appendColor(out, m.baseColor, true);
    out += "</color></diffuse>";
    if (m.baseColor.alpha < 1.0)
      out += "<transparency><float>" + formatNumber(m.baseColor.alpha) + "</float></transparency>";
    out += "</lambert></technique></profile_COMMON><extra><technique profile=\"physicallyBased\"><metalness>" +
           formatNumber(m.metalness) + "</metalness><roughness>" + formatNumber(m.roughness) +
           "</roughness></technique></extra></effect>\n";
  }
  out += "</library_effects>\n<library_materials>\n";
  for (std::size_t i = 0; i < scene.materials.size(); ++i) {
    const std::string id = "material" + formatInteger(std::int64_t(i));
    out += "<material id=\"" + id + "\" name=\"" + xmlEscaped(scene.materials[i].name) + "\"><instance_effect url=\"#" +
           id + "-effect\"/></material>\n";
  }
  out += "</library_materials>\n<library_geometries>\n";
  for (std::size_t i = 0; i < scene.meshes.size(); ++i) {
    const ExportMesh& mesh = scene.meshes[i];
    const std::string id = "mesh" + formatInteger(std::int64_t(i));
    out += "<geometry id=\"" + id + "\" name=\"" + xmlEscaped(mesh.name) + "\"><mesh>\n";
    appendSource(out, id + "-positions", mesh.positions, "XYZ");
    appendSource(out, id + "-normals", mesh.normals, "XYZ");
    out += "<vertices id=\"" + id + "-vertices\"><input semantic=\"POSITION\" source=\"#" + id +
           "-positions\"/><input semantic=\"NORMAL\" source=\"#" + id + "-normals\"/></vertices>\n";
    out += "<triangles material=\"material\" count=\"" + formatInteger(std::int64_t(mesh.triangles.size())) +
           "\"><input semantic=\"VERTEX\" source=\"#" + id + "-vertices\" offset=\"0\"/><p>";
    bool first = true;
    for (const auto& triangle : mesh.triangles)
      for (const std::uint32_t index : triangle) {
        if (!first)
          out += ' ';
        first = false;
        out += formatInteger(index);
      }
    out += "</p></triangles>\n</mesh></geometry>\n";
  }
  out += "</library_geometries>\n";

  if (scene.camera) {
    const ExportCamera& c = *scene.camera;
    out += "<library_cameras><camera id=\"camera0\" name=\"" + xmlEscaped(c.name) +
           "\"><optics><technique_common><orthographic><ymag>" + formatNumber(c.orthographicScale) +
           "</ymag><aspect_ratio>" + formatNumber(c.aspectRatio) + "</aspect_ratio><znear>" + formatNumber(c.zNear) +
           "</znear><zfar>" + formatNumber(c.zFar) + "</zfar></orthographic></technique_common></optics></camera></library_cameras>\n";
  }
  if (!scene.lights.empty()) {
    out += "<library_lights>\n";
    for (std::size_t i = 0; i < scene.lights.size(); ++i) {
      const ExportLight& light = scene.lights[i];
      const bool ambient = light.type == LightType::ambient;
      out += "<light id=\"light" + formatInteger(std::int64_t(i)) + "\" name=\"" + xmlEscaped(light.name) +
             "\"><technique_common><" + (ambient ? "ambient" : "point") + "><color>";
      appendColor(out, light.color, false);
      out += "</color>";
      if (!ambient)
        out += "<constant_attenuation>1</constant_attenuation><linear_attenuation>0</linear_attenuation>"
               "<quadratic_attenuation>0</quadratic_attenuation>";
      out += std::string("</") + (ambient ? "ambient" : "point") + "></technique_common></light>\n";
    }
    out += "</library_lights>\n";
  }

  out += "<library_visual_scenes><visual_scene id=\"scene\" name=\"scene\">\n";
  // Children follow their parents in the list; a node is closed once the
  // next one is no descendant of it.
  std::vector<std::size_t> open;
  const auto isAncestor = [&](std::size_t ancestor, std::size_t node) {
    for (auto at = scene.nodes[node].parent; at; at = scene.nodes[*at].parent)
      if (*at == ancestor)
        return true;
    return false;
  };
  for (std::size_t i = 0; i < scene.nodes.size(); ++i) {
    while (!open.empty() && !isAncestor(open.back(), i)) {
      out += "</node>\n";
      open.pop_back();
    }
    const ExportNode& node = scene.nodes[i];
    out += "<node id=\"node" + formatInteger(std::int64_t(i)) + "\" name=\"" + xmlEscaped(node.name) +
           "\" type=\"NODE\">";
    appendMatrix(out, node.transform);
    for (const std::size_t mesh : node.meshes)
      out += "<instance_geometry url=\"#mesh" + formatInteger(std::int64_t(mesh)) +
             "\"><bind_material><technique_common><instance_material symbol=\"material\" target=\"#material" +
             formatInteger(std::int64_t(scene.meshes[mesh].material)) +
             "\"/></technique_common></bind_material></instance_geometry>\n";
    open.push_back(i);
  }
  for (; !open.empty(); open.pop_back())
    out += "</node>\n";
  if (scene.camera) {
    out += "<node id=\"camera\" name=\"" + xmlEscaped(scene.camera->name) + "\" type=\"NODE\">";
    appendMatrix(out, scene.camera->transform);
    out += "<instance_camera url=\"#camera0\"/></node>\n";
  }
  for (std::size_t i = 0; i < scene.lights.size(); ++i) {
    out += "<node id=\"light" + formatInteger(std::int64_t(i)) + "-node\" name=\"" + xmlEscaped(scene.lights[i].name) +
           "\" type=\"NODE\">";
    appendMatrix(out, scene.lights[i].transform);
    out += "<instance_light url=\"#light" + formatInteger(std::int64_t(i)) + "\"/></node>\n";
  }
  out += "</visual_scene></library_visual_scenes>\n<scene><instance_visual_scene url=\"#scene\"/></scene>\n</COLLADA>\n";
  return out;
}

}  // namespace ornival
