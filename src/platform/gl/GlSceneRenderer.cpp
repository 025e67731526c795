#include "platform/gl/GlSceneRenderer.h"

#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/MeshNormals.h"
#include "platform/SurfaceEntryPoint.h"
#include "platform/gl/GlFunctions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <variant>
#include <vector>

namespace ornival {

namespace {

constexpr int maximumOmniLights = 8;

const char* const vertexShader = R"glsl(#version 330 core
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec2 a_texcoord;
// Where an instance places the mesh in its node, and how it turns normals;
// a draw without instances leaves both at the identity.
layout(location = 3) in mat4 a_instance;
layout(location = 7) in mat3 a_instanceNormal;
uniform mat4 u_modelView;
uniform mat4 u_projection;
uniform mat3 u_normalMatrix;
out vec3 v_position;
out vec3 v_modelPosition;
out vec3 v_normal;
out vec2 v_texcoord;
void main() {
  vec4 p = u_modelView * (a_instance * vec4(a_position, 1.0));
  v_position = p.xyz;
  v_modelPosition = a_position;
  v_normal = u_normalMatrix * (a_instanceNormal * a_normal);
  v_texcoord = a_texcoord;
  gl_Position = u_projection * p;
}
)glsl";

// A material without surface modifier leaves the surface as it is.
const char* const plainModifier = "void modifySurface(inout Surface surface) {}\n";

// Cook-Torrance with the GGX distribution, Schlick's Fresnel and Smith's
// shadowing for the physically based model; Lambert for the other. The
// ambient light stands for an even surrounding, so it is reflected as well as
// scattered and metals do not go black under it. The camera is orthographic:
// the eye looks down -z everywhere.
const char* const fragmentMain = R"glsl(
in vec3 v_position;
in vec3 v_modelPosition;
in vec3 v_normal;
in vec2 v_texcoord;
out vec4 fragColor;
uniform vec4 u_diffuse;
uniform vec3 u_emission;
uniform float u_alpha;
uniform int u_physicallyBased;
uniform float u_metalness;
uniform float u_roughness;
uniform vec3 u_ambient;
uniform int u_omniCount;
uniform vec3 u_omniPosition[8];
uniform vec3 u_omniColor[8];

const float PI = 3.14159265358979;

vec3 encodeSrgb(vec3 c) {
  c = clamp(c, 0.0, 1.0);
  return mix(c * 12.92, 1.055 * pow(c, vec3(1.0 / 2.4)) - 0.055, step(vec3(0.0031308), c));
}

vec3 light(vec3 position, vec3 normal, vec3 albedo) {
  vec3 V = vec3(0.0, 0.0, 1.0);
  vec3 N = normal;
  vec3 color = vec3(0.0);
  if (u_physicallyBased == 0) {
    color = albedo * u_ambient;
    for (int i = 0; i < u_omniCount; ++i) {
      vec3 L = normalize(u_omniPosition[i] - position);
      color += albedo * u_omniColor[i] * max(dot(N, L), 0.0);
    }
    return color;
  }
  float metal = clamp(u_metalness, 0.0, 1.0);
  float rough = clamp(u_roughness, 0.03, 1.0);
  float a2 = rough * rough * rough * rough;
  float k = (rough + 1.0) * (rough + 1.0) / 8.0;
  vec3 F0 = mix(vec3(0.04), albedo, metal);
  float NdotV = max(dot(N, V), 1e-4);
  float GV = NdotV / (NdotV * (1.0 - k) + k);
  for (int i = 0; i < u_omniCount; ++i) {
    vec3 L = normalize(u_omniPosition[i] - position);
    float NdotL = max(dot(N, L), 0.0);
    if (NdotL <= 0.0)
      continue;
    vec3 H = normalize(L + V);
    float NdotH = max(dot(N, H), 0.0);
    float VdotH = max(dot(V, H), 0.0);
    float d = NdotH * NdotH * (a2 - 1.0) + 1.0;
    float D = a2 / (PI * d * d);
    float G = GV * NdotL / (NdotL * (1.0 - k) + k);
    vec3 F = F0 + (1.0 - F0) * pow(1.0 - VdotH, 5.0);
    vec3 specular = D * G * F / (4.0 * NdotL * NdotV + 1e-4);
    vec3 diffuse = (1.0 - F) * (1.0 - metal) * albedo / PI;
    color += (diffuse + specular) * PI * u_omniColor[i] * NdotL;
  }
  vec3 Fa = F0 + (max(vec3(1.0 - rough), F0) - F0) * pow(1.0 - NdotV, 5.0);
  color += u_ambient * ((1.0 - Fa) * (1.0 - metal) * albedo + Fa);
  return color;
}

void main() {
  Surface surface;
  surface.position = v_position;
  surface.modelPosition = v_modelPosition;
  surface.normal = normalize(gl_FrontFacing ? v_normal : -v_normal);
  surface.diffuseTexcoord = v_texcoord;
  surface.diffuse = u_diffuse;
  modifySurface(surface);
  vec3 color = light(surface.position, normalize(surface.normal), max(surface.diffuse.rgb, 0.0)) + u_emission;
  float alpha = clamp(surface.diffuse.a * u_alpha, 0.0, 1.0);
  fragColor = vec4(encodeSrgb(color) * alpha, alpha);
}
)glsl";

double linear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

std::array<float, 16> entries(const Transform3D& t) {
  std::array<float, 16> result{};
  for (std::size_t i = 0; i < 16; ++i)
    result[i] = float(t.m[i / 4][i % 4]);
  return result;
}

// Gauss-Jordan with partial pivoting; none for a singular matrix.
std::optional<Transform3D> inverted(const Transform3D& t) {
  std::array<std::array<double, 8>, 4> a{};
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 4; ++c) {
      a[r][c] = t.m[r][c];
      a[r][c + 4] = r == c ? 1.0 : 0.0;
    }
  for (std::size_t col = 0; col < 4; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < 4; ++r)
      if (std::abs(a[r][col]) > std::abs(a[pivot][col]))
        pivot = r;
    if (a[pivot][col] == 0.0)
      return std::nullopt;
    std::swap(a[col], a[pivot]);
    const double scale = 1.0 / a[col][col];
    for (double& v : a[col])
      v *= scale;
    for (std::size_t r = 0; r < 4; ++r) {
      if (r == col || a[r][col] == 0.0)
        continue;
      const double factor = a[r][col];
      for (std::size_t c = 0; c < 8; ++c)
        a[r][c] -= factor * a[col][c];
    }
  }
  Transform3D result;
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 4; ++c)
      result.m[r][c] = a[r][c + 4];
  return result;
}

// The determinant of the linear part: negative for a map that mirrors.
double determinant(const Transform3D& t) {
  const auto& m = t.m;
  return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
         m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Whether a triangle lies in a plane z = constant and faces down, its
// corners running clockwise seen from above.
bool facesStraightDown(const GeometrySources& mesh, std::size_t first) {
  const Vec3& a = mesh.positions[mesh.indices[first]];
  const Vec3& b = mesh.positions[mesh.indices[first + 1]];
  const Vec3& c = mesh.positions[mesh.indices[first + 2]];
  if (a.z != b.z || a.z != c.z)
    return false;
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) < 0.0;
}

// How many indices come before the triangles that face straight down, when
// those are the last ones; all of them when they are not, or there are none.
std::size_t withoutBase(const GeometrySources& mesh) {
  const std::size_t count = mesh.indices.size();
  if (count % 3 != 0)
    return count;
  std::size_t end = count;
  while (end >= 3 && facesStraightDown(mesh, end - 3))
    end -= 3;
  if (end == count)
    return count;
  for (std::size_t first = 0; first < end; first += 3)
    if (facesStraightDown(mesh, first))
      return count;
  return end;
}

// Where the inverse of a place (as in a row of its transform) turns a normal
// pointing straight down: the corner of the inverse, as the shader uses it.
Vec3 downNormal(const Transform3D& inverse) { return {-inverse.m[0][2], -inverse.m[1][2], -inverse.m[2][2]}; }

// The box around a box's eight corners taken through a transform.
std::pair<Vec3, Vec3> transformedBox(const Transform3D& t, Vec3 low, Vec3 high) {
  Vec3 resultLow;
  Vec3 resultHigh;
  for (int corner = 0; corner < 8; ++corner) {
    const Vec3 p = t.apply({corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y, corner & 4 ? high.z : low.z});
    if (corner == 0) {
      resultLow = resultHigh = p;
      continue;
    }
    resultLow = {std::min(resultLow.x, p.x), std::min(resultLow.y, p.y), std::min(resultLow.z, p.z)};
    resultHigh = {std::max(resultHigh.x, p.x), std::max(resultHigh.y, p.y), std::max(resultHigh.z, p.z)};
  }
  return {resultLow, resultHigh};
}

// Places per run that the view may leave out: few enough that a run of tiles
// placed one after the other covers a small part of a large tiling.
constexpr std::size_t placesPerRun = 256;

// The first of the seven attribute locations of an instance: four columns of
// its transform, three of its normal matrix.
constexpr GLuint instanceLocation = 3;

}  // namespace

void GlSceneRenderer::setIdentityInstance() {
  if (!instanceArraysUsed_)
    return;
  instanceArraysUsed_ = false;
  const GlFunctions& gl = *gl_;
  for (GLuint column = 0; column < 4; ++column)
    gl.glVertexAttrib4f(instanceLocation + column, column == 0 ? 1.0f : 0.0f, column == 1 ? 1.0f : 0.0f,
                        column == 2 ? 1.0f : 0.0f, column == 3 ? 1.0f : 0.0f);
  for (GLuint column = 0; column < 3; ++column)
    gl.glVertexAttrib4f(instanceLocation + 4 + column, column == 0 ? 1.0f : 0.0f, column == 1 ? 1.0f : 0.0f,
                        column == 2 ? 1.0f : 0.0f, 0.0f);
}

struct GlSceneRenderer::Program {
  GLuint id = 0;
  std::uint64_t frame = 0;
  std::unordered_map<std::string, GLint> locations;

  GLint location(const GlFunctions& gl, const std::string& name) {
    const auto found = locations.find(name);
    if (found != locations.end())
      return found->second;
    const GLint result = gl.glGetUniformLocation(id, name.c_str());
    locations.emplace(name, result);
    return result;
  }
};

struct GlSceneRenderer::Mesh {
  std::weak_ptr<Geometry> owner;
  GLuint vertexArray = 0;
  GLuint vertices = 0;
  GLuint indices = 0;
  GLsizei count = 0;
  // The indices before the triangles that lie flat and face straight down
  // (a solid's base), when those come last; else all of them. Seen from
  // above, culling drops the base anyway, but only after the rasterizer has
  // shaded its corners and set up its triangles, which on a software
  // rasterizer is a good part of a frame of many small tiles.
  GLsizei countWithoutBase = 0;
  // The box around the mesh's corners.
  Vec3 low;
  Vec3 high;
};

struct GlSceneRenderer::InstanceList {
  std::weak_ptr<const SceneNode::Instances> owner;
  GLuint buffer = 0;
  GLsizei count = 0;
  // Whether the places turn the mesh inside out; one list turns all one way.
  bool turned = false;
  // Where every place turns a normal pointing straight down, when all turn
  // it the same way (tiles turned about z and scaled); none otherwise.
  std::optional<Vec3> down;
  // Runs of consecutive places, in their order, each with the box around the
  // mesh drawn at all of them (in the node's space), so that runs wholly
  // outside the view are left out. Made for one mesh at a time.
  struct Run {
    GLsizei first = 0;
    GLsizei count = 0;
    Vec3 low;
    Vec3 high;
  };
  std::vector<Run> runs;
  std::weak_ptr<const Geometry> runsGeometry;
  std::weak_ptr<const SceneNode::Instances> runsPlaces;
};

struct GlSceneRenderer::Draw {
  std::shared_ptr<Geometry> holder;
  std::shared_ptr<const SceneNode::Instances> instances;
  Transform3D world;
  double opacity;
  int order;
  bool transparent;
};

std::unique_ptr<GlSceneRenderer> GlSceneRenderer::create(const GlLoader& loader, std::string& error) {
  auto gl = std::make_unique<GlFunctions>();
  std::string missing;
  // glGetIntegerv first, to tell an old context from a broken loader.
  gl->glGetIntegerv = reinterpret_cast<PFNGLGETINTEGERVPROC>(loader("glGetIntegerv"));
  if (gl->glGetIntegerv == nullptr) {
    error = "The OpenGL context offers no functions.";
    return nullptr;
  }
  GLint major = 0;
  GLint minor = 0;
  gl->glGetIntegerv(GL_MAJOR_VERSION, &major);
  gl->glGetIntegerv(GL_MINOR_VERSION, &minor);
  if (major < 3 || (major == 3 && minor < 3)) {
    error = "OpenGL 3.3 is needed; the context offers " + std::to_string(major) + "." + std::to_string(minor) + ".";
    return nullptr;
  }
  if (!gl->load(loader, missing)) {
    error = "The OpenGL context lacks " + missing + ".";
    return nullptr;
  }
  return std::unique_ptr<GlSceneRenderer>(new GlSceneRenderer(std::move(gl)));
}

GlSceneRenderer::GlSceneRenderer(std::unique_ptr<GlFunctions> gl) : gl_(std::move(gl)) {}

GlSceneRenderer::~GlSceneRenderer() {
  for (auto& [modifier, program] : programs_)
    if (program)
      gl_->glDeleteProgram(program->id);
  for (auto& [geometry, mesh] : meshes_) {
    gl_->glDeleteVertexArrays(1, &mesh->vertexArray);
    gl_->glDeleteBuffers(1, &mesh->vertices);
    gl_->glDeleteBuffers(1, &mesh->indices);
  }
  for (auto& [places, list] : instanceLists_)
    gl_->glDeleteBuffers(1, &list->buffer);
}

GlSceneRenderer::Program* GlSceneRenderer::program(const std::string& modifier) {
  if (const auto found = programs_.find(modifier); found != programs_.end())
    return found->second.get();
  const GlFunctions& gl = *gl_;
  std::string log;
  const auto compile = [&](GLenum stage, const std::string& source) -> GLuint {
    const GLuint shader = gl.glCreateShader(stage);
    const char* text = source.c_str();
    gl.glShaderSource(shader, 1, &text, nullptr);
    gl.glCompileShader(shader);
    GLint ok = GL_FALSE;
    gl.glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE)
      return shader;
    log.resize(4096);
    GLsizei length = 0;
    gl.glGetShaderInfoLog(shader, GLsizei(log.size()), &length, log.data());
    log.resize(std::size_t(length));
    gl.glDeleteShader(shader);
    return 0;
  };
  std::unique_ptr<Program> result;
  const GLuint vertex = compile(GL_VERTEX_SHADER, vertexShader);
  const GLuint fragment =
      vertex == 0 ? 0
                  : compile(GL_FRAGMENT_SHADER, "#version 330 core\n" + std::string(surfaceEntryPointDeclarations()) +
                                                    (modifier.empty() ? std::string(plainModifier) : modifier) +
                                                    fragmentMain);
  if (vertex != 0 && fragment != 0) {
    const GLuint id = gl.glCreateProgram();
    gl.glAttachShader(id, vertex);
    gl.glAttachShader(id, fragment);
    gl.glLinkProgram(id);
    GLint linked = GL_FALSE;
    gl.glGetProgramiv(id, GL_LINK_STATUS, &linked);
    if (linked == GL_TRUE) {
      result = std::make_unique<Program>();
      result->id = id;
    } else {
      log = "the shader program did not link";
      gl.glDeleteProgram(id);
    }
  }
  if (vertex != 0)
    gl.glDeleteShader(vertex);
  if (fragment != 0)
    gl.glDeleteShader(fragment);
  if (!result)
    error_ = "A material's shader did not build: " + log;
  // A failed text is remembered too, so that it is not rebuilt every frame.
  return programs_.emplace(modifier, std::move(result)).first->second.get();
}

GlSceneRenderer::Mesh& GlSceneRenderer::mesh(const std::shared_ptr<Geometry>& geometry) {
  auto& slot = meshes_[geometry.get()];
  // An entry whose geometry has gone belonged to an earlier object at the
  // same address.
  if (slot && !slot->owner.expired())
    return *slot;
  const GlFunctions& gl = *gl_;
  if (!slot)
    slot = std::make_unique<Mesh>();
  else {
    gl.glDeleteVertexArrays(1, &slot->vertexArray);
    gl.glDeleteBuffers(1, &slot->vertices);
    gl.glDeleteBuffers(1, &slot->indices);
    *slot = Mesh{};
  }
  Mesh& mesh = *slot;
  mesh.owner = geometry;

  const GeometrySources& given = geometry->sources();
  // A mesh without normals is drawn faceted.
  const GeometrySources withNormals =
      given.normals.size() == given.positions.size() ? GeometrySources{} : addNormals(given, 1.0);
  const GeometrySources& sources = given.normals.size() == given.positions.size() ? given : withNormals;
  const bool textured = sources.textureCoordinates.size() == sources.positions.size();
  std::vector<float> vertices;
  vertices.reserve(sources.positions.size() * 8);
  for (std::size_t i = 0; i < sources.positions.size(); ++i) {
    const Vec3 p = sources.positions[i];
    const Vec3 n = sources.normals[i];
    const Vec2 t = textured ? sources.textureCoordinates[i] : Vec2{};
    vertices.insert(vertices.end(),
                    {float(p.x), float(p.y), float(p.z), float(n.x), float(n.y), float(n.z), float(t.x), float(t.y)});
  }
  gl.glGenVertexArrays(1, &mesh.vertexArray);
  gl.glBindVertexArray(mesh.vertexArray);
  gl.glGenBuffers(1, &mesh.vertices);
  gl.glBindBuffer(GL_ARRAY_BUFFER, mesh.vertices);
  gl.glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(), GL_STATIC_DRAW);
  gl.glGenBuffers(1, &mesh.indices);
  gl.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.indices);
  gl.glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(sources.indices.size() * sizeof(std::uint32_t)),
                  sources.indices.data(), GL_STATIC_DRAW);
  const GLsizei stride = 8 * sizeof(float);
  const std::array<std::pair<GLint, std::size_t>, 3> layout{{{3, 0}, {3, 3}, {2, 6}}};
  for (GLuint i = 0; i < layout.size(); ++i) {
    gl.glVertexAttribPointer(i, layout[i].first, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<const void*>(layout[i].second * sizeof(float)));
    gl.glEnableVertexAttribArray(i);
  }
  gl.glBindVertexArray(0);
  mesh.count = GLsizei(sources.indices.size());
  mesh.countWithoutBase = GLsizei(withoutBase(sources));
  if (!sources.positions.empty()) {
    mesh.low = mesh.high = sources.positions.front();
    for (const Vec3& p : sources.positions) {
      mesh.low = {std::min(mesh.low.x, p.x), std::min(mesh.low.y, p.y), std::min(mesh.low.z, p.z)};
      mesh.high = {std::max(mesh.high.x, p.x), std::max(mesh.high.y, p.y), std::max(mesh.high.z, p.z)};
    }
  }
  return mesh;
}

GlSceneRenderer::InstanceList& GlSceneRenderer::instanceList(
    const std::shared_ptr<const SceneNode::Instances>& places) {
  auto& slot = instanceLists_[places.get()];
  if (slot && !slot->owner.expired())
    return *slot;
  const GlFunctions& gl = *gl_;
  if (!slot) {
    slot = std::make_unique<InstanceList>();
    gl.glGenBuffers(1, &slot->buffer);
  }
  InstanceList& list = *slot;
  list.owner = places;
  list.count = GLsizei(places->size());
  // Per place its transform, then the inverse transpose of its linear part
  // for the normals, as the renderer would set them for a node of its own.
  std::vector<float> data;
  data.reserve(places->size() * 25);
  for (const Transform3D& place : *places) {
    const auto entriesOfPlace = entries(place);
    data.insert(data.end(), entriesOfPlace.begin(), entriesOfPlace.end());
    const std::optional<Transform3D> inverse = inverted(place);
    // Column by column: the corner of the inverse as it stands, as for the
    // node's own normal matrix.
    for (std::size_t column = 0; column < 3; ++column)
      for (std::size_t row = 0; row < 3; ++row)
        data.push_back(inverse ? float(inverse->m[row][column]) : (row == column ? 1.0f : 0.0f));
  }
  list.turned = !places->empty() && determinant(places->front()) < 0.0;
  list.down.reset();
  bool sameDown = true;
  for (const Transform3D& place : *places) {
    const std::optional<Transform3D> inverse = inverted(place);
    if (!inverse) {
      sameDown = false;
      break;
    }
    const Vec3 d = downNormal(*inverse);
    const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (!(length > 0.0)) {
      sameDown = false;
      break;
    }
    const Vec3 unit{d.x / length, d.y / length, d.z / length};
    if (!list.down) {
      list.down = unit;
    } else if (std::abs(unit.x - list.down->x) > 1e-9 || std::abs(unit.y - list.down->y) > 1e-9 ||
               std::abs(unit.z - list.down->z) > 1e-9) {
      sameDown = false;
      break;
    }
  }
  if (!sameDown)
    list.down.reset();
  gl.glBindBuffer(GL_ARRAY_BUFFER, list.buffer);
  gl.glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(data.size() * sizeof(float)), data.data(), GL_STATIC_DRAW);
  gl.glBindBuffer(GL_ARRAY_BUFFER, 0);
  return list;
}

void GlSceneRenderer::releaseUnusedMeshes() {
  for (auto it = instanceLists_.begin(); it != instanceLists_.end();) {
    if (it->second->owner.expired()) {
      gl_->glDeleteBuffers(1, &it->second->buffer);
      it = instanceLists_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto it = meshes_.begin(); it != meshes_.end();) {
    if (it->second->owner.expired()) {
      gl_->glDeleteVertexArrays(1, &it->second->vertexArray);
      gl_->glDeleteBuffers(1, &it->second->vertices);
      gl_->glDeleteBuffers(1, &it->second->indices);
      it = meshes_.erase(it);
    } else {
      ++it;
    }
  }
}

bool GlSceneRenderer::render(const Scene& scene, const SceneNode& pointOfView, const Camera& camera, int width,
                             int height, const Color& background) {
  const GlFunctions& gl = *gl_;
  const std::uint64_t frame = ++frames_;
  bool complete = true;
  error_.clear();

  gl.glViewport(0, 0, width, height);
  gl.glDepthMask(GL_TRUE);
  gl.glClearDepth(1.0);
  const double a = background.alpha;
  gl.glClearColor(float(background.red * a), float(background.green * a), float(background.blue * a), float(a));
  gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  const std::optional<Transform3D> view = inverted(worldTransform(pointOfView));
  if (!view || width <= 0 || height <= 0 || !(camera.orthographicScale > 0.0) || !(camera.zFar > camera.zNear))
    return true;

  // The shown nodes, in tree order, and where the lights' nodes are.
  std::unordered_set<const SceneNode*> lightNodes;
  for (const SceneLight& light : scene.lights())
    lightNodes.insert(light.node.get());
  std::unordered_map<const SceneNode*, Transform3D> lightPlaces;
  std::vector<Draw> draws;
  const auto visit = [&](const auto& self, const SceneNode& node, const Transform3D& parent, double opacity) -> void {
    if (node.isHidden())
      return;
    const Transform3D world = node.transform().concatenating(parent);
    const double shown = opacity * node.opacity();
    if (lightNodes.count(&node) != 0)
      lightPlaces.emplace(&node, world);
    const auto& geometry = node.geometry();
    if (geometry && geometry->firstMaterial() && !geometry->sources().indices.empty() && shown > 0.0) {
      const Material& material = *geometry->firstMaterial();
      const bool transparent = shown * material.transparency * material.diffuse.alpha < 1.0;
      if (!node.instances() || !node.instances()->empty())
        draws.push_back({geometry, node.instances(), world, shown, node.renderingOrder(), transparent});
    }
    for (const auto& child : node.childNodes())
      self(self, *child, world, shown);
  };
  visit(visit, *scene.rootNode(), Transform3D::identity(), 1.0);
  // Higher orders later, and within an order the see-through nodes after the
  // solid ones, each group in tree order.
  std::stable_sort(draws.begin(), draws.end(), [](const Draw& x, const Draw& y) {
    return std::pair(x.order, x.transparent) < std::pair(y.order, y.transparent);
  });

  std::array<float, 3> ambient{};
  std::vector<float> omniPositions;
  std::vector<float> omniColors;
  for (const SceneLight& light : scene.lights()) {
    const auto place = lightPlaces.find(light.node.get());
    if (place == lightPlaces.end())
      continue;
    const Color& c = light.light->color;
    const std::array<float, 3> color{float(linear(c.red)), float(linear(c.green)), float(linear(c.blue))};
    if (light.light->type == LightType::ambient) {
      for (std::size_t i = 0; i < 3; ++i)
        ambient[i] += color[i];
    } else if (omniColors.size() < 3 * maximumOmniLights) {
      const Vec3 p = view->apply(place->second.apply({}));
      omniPositions.insert(omniPositions.end(), {float(p.x), float(p.y), float(p.z)});
      omniColors.insert(omniColors.end(), color.begin(), color.end());
    }
  }

  const double s = camera.orthographicScale;
  const double aspect = double(width) / height;
  std::array<float, 16> projection{};
  projection[0] = float(1.0 / (s * aspect));
  projection[5] = float(1.0 / s);
  projection[10] = float(-2.0 / (camera.zFar - camera.zNear));
  projection[14] = float(-(camera.zFar + camera.zNear) / (camera.zFar - camera.zNear));
  projection[15] = 1.0f;
  const std::array<float, 16> inverseView = entries(worldTransform(pointOfView));

  instanceArraysUsed_ = true;
  gl.glEnable(GL_DEPTH_TEST);
  gl.glDepthFunc(GL_LEQUAL);
  gl.glCullFace(GL_BACK);
  for (const Draw& draw : draws) {
    const Material& material = *draw.holder->firstMaterial();
    const auto modifier = material.shaderModifiers.find(ShaderEntryPoint::surface);
    Program* program = this->program(modifier == material.shaderModifiers.end() ? std::string() : modifier->second);
    if (program == nullptr) {
      complete = false;
      continue;
    }
    const auto uniform = [&](const std::string& name) { return program->location(gl, name); };
    gl.glUseProgram(program->id);
    if (program->frame != frame) {
      program->frame = frame;
      gl.glUniformMatrix4fv(uniform("u_projection"), 1, GL_FALSE, projection.data());
      gl.glUniformMatrix4fv(uniform("u_inverseViewTransform"), 1, GL_FALSE, inverseView.data());
      gl.glUniform3f(uniform("u_ambient"), ambient[0], ambient[1], ambient[2]);
      const auto omniCount = GLsizei(omniColors.size() / 3);
      gl.glUniform1i(uniform("u_omniCount"), omniCount);
      if (omniCount > 0) {
        gl.glUniform3fv(uniform("u_omniPosition[0]"), omniCount, omniPositions.data());
        gl.glUniform3fv(uniform("u_omniColor[0]"), omniCount, omniColors.data());
      }
    }

    const Transform3D modelView = draw.world.concatenating(*view);
    const std::optional<Transform3D> inverseModel = inverted(draw.world);
    const std::optional<Transform3D> inverseModelView = inverted(modelView);
    if (!inverseModel || !inverseModelView)
      continue;  // flattened to nothing: no area to draw
    gl.glUniformMatrix4fv(uniform("u_modelView"), 1, GL_FALSE, entries(modelView).data());
    gl.glUniformMatrix4fv(uniform("u_inverseModelTransform"), 1, GL_FALSE, entries(*inverseModel).data());
    // Normals go through the inverse transpose of the linear part, which in
    // our row form is the upper corner of the inverse model-view as it stands.
    std::array<float, 9> normalMatrix{};
    for (std::size_t i = 0; i < 3; ++i)
      for (std::size_t j = 0; j < 3; ++j)
        normalMatrix[j * 3 + i] = float(inverseModelView->m[i][j]);
    gl.glUniformMatrix3fv(uniform("u_normalMatrix"), 1, GL_FALSE, normalMatrix.data());

    const Color& d = material.diffuse;
    gl.glUniform4f(uniform("u_diffuse"), float(linear(d.red)), float(linear(d.green)), float(linear(d.blue)),
                   float(d.alpha));
    const Color& e = material.emission;
    gl.glUniform3f(uniform("u_emission"), float(linear(e.red)), float(linear(e.green)), float(linear(e.blue)));
    gl.glUniform1f(uniform("u_alpha"), float(material.transparency * draw.opacity));
    gl.glUniform1i(uniform("u_physicallyBased"), material.lightingModel == LightingModel::physicallyBased ? 1 : 0);
    gl.glUniform1f(uniform("u_metalness"), float(material.metalness.value_or(0.0)));
    gl.glUniform1f(uniform("u_roughness"), float(material.roughness.value_or(0.5)));
    for (const auto& [name, value] : material.uniformValues) {
      const GLint location = uniform(name);
      if (location == -1)
        continue;
      if (const auto* f = std::get_if<float>(&value))
        gl.glUniform1f(location, *f);
      else if (const auto* v = std::get_if<Vec3>(&value))
        gl.glUniform3f(location, float(v->x), float(v->y), float(v->z));
      else if (const auto* c = std::get_if<Color>(&value))
        gl.glUniform4f(location, float(linear(c->red)), float(linear(c->green)), float(linear(c->blue)),
                       float(c->alpha));
    }

    // A mirroring transform turns the triangles' winding over.
    InstanceList* places = draw.instances ? &instanceList(draw.instances) : nullptr;
    const bool turned = (determinant(modelView) < 0.0) != (places != nullptr && places->turned);
    gl.glFrontFace(turned ? GL_CW : GL_CCW);
    if (material.doubleSided)
      gl.glDisable(GL_CULL_FACE);
    else
      gl.glEnable(GL_CULL_FACE);
    if (draw.transparent) {
      gl.glEnable(GL_BLEND);
      gl.glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      gl.glDepthMask(GL_FALSE);
    } else {
      gl.glDisable(GL_BLEND);
      gl.glDepthMask(GL_TRUE);
    }
    const Mesh& mesh = this->mesh(draw.holder);
    // The base is left out where culling would drop all of it: the camera
    // looks down -z, so a face is seen from behind when its normal, turned
    // as the shader turns it, points away from the eye. A base seen edge on
    // is drawn, as it would be at all.
    GLsizei count = mesh.count;
    if (!material.doubleSided && mesh.countWithoutBase < mesh.count) {
      const std::optional<Vec3> down =
          places == nullptr ? std::optional<Vec3>(Vec3{0.0, 0.0, -1.0}) : places->down;
      if (down) {
        const auto& m = inverseModelView->m;
        const double z = m[2][0] * down->x + m[2][1] * down->y + m[2][2] * down->z;
        const double length = std::sqrt(m[2][0] * m[2][0] + m[2][1] * m[2][1] + m[2][2] * m[2][2]);
        if (z < -1e-6 * length)
          count = mesh.countWithoutBase;
      }
    }
    gl.glBindVertexArray(mesh.vertexArray);
    if (places == nullptr) {
      // Arrays once bound to these attributes leave their values undefined.
      setIdentityInstance();
      gl.glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, nullptr);
      continue;
    }
    gl.glBindBuffer(GL_ARRAY_BUFFER, places->buffer);
    const GLsizei stride = 25 * sizeof(float);
    // Draws the places from first on: their attributes start there.
    const auto drawPlaces = [&](GLsizei first, GLsizei placeCount) {
      for (GLuint column = 0; column < 7; ++column) {
        const GLuint location = instanceLocation + column;
        const std::size_t offset = std::size_t(first) * 25 + (column < 4 ? column * 4 : 16 + (column - 4) * 3);
        gl.glVertexAttribPointer(location, column < 4 ? 4 : 3, GL_FLOAT, GL_FALSE, stride,
                                 reinterpret_cast<const void*>(offset * sizeof(float)));
        gl.glVertexAttribDivisor(location, 1);
        gl.glEnableVertexAttribArray(location);
      }
      gl.glDrawElementsInstanced(GL_TRIANGLES, count, GL_UNSIGNED_INT, nullptr, placeCount);
    };
    // Runs of places wholly outside the view are left out; the others are
    // drawn in their order, consecutive ones in one draw.
    if (places->runsGeometry.lock() != draw.holder || places->runsPlaces.lock() != draw.instances) {
      places->runs.clear();
      const SceneNode::Instances& all = *draw.instances;
      for (std::size_t first = 0; first < all.size(); first += placesPerRun) {
        InstanceList::Run run;
        run.first = GLsizei(first);
        run.count = GLsizei(std::min(placesPerRun, all.size() - first));
        for (std::size_t i = first; i < first + std::size_t(run.count); ++i) {
          const auto [low, high] = transformedBox(all[i], mesh.low, mesh.high);
          run.low = i == first ? low : Vec3{std::min(run.low.x, low.x), std::min(run.low.y, low.y),
                                            std::min(run.low.z, low.z)};
          run.high = i == first ? high : Vec3{std::max(run.high.x, high.x), std::max(run.high.y, high.y),
                                              std::max(run.high.z, high.z)};
        }
        places->runs.push_back(run);
      }
      places->runsGeometry = draw.holder;
      places->runsPlaces = draw.instances;
    }
    // The view in the eye's space, widened a little: a run is left out only
    // when it lies clearly outside.
    const double margin = 0.01 * s;
    const double halfWidth = s * aspect + margin;
    const double halfHeight = s + margin;
    const auto seen = [&](const InstanceList::Run& run) {
      const auto [low, high] = transformedBox(modelView, run.low, run.high);
      return high.x >= -halfWidth && low.x <= halfWidth && high.y >= -halfHeight && low.y <= halfHeight &&
             high.z >= -camera.zFar - margin && low.z <= -camera.zNear + margin;
    };
    GLsizei pendingFirst = 0;
    GLsizei pendingCount = 0;
    for (const InstanceList::Run& run : places->runs) {
      if (!seen(run)) {
        if (pendingCount > 0)
          drawPlaces(pendingFirst, pendingCount);
        pendingCount = 0;
        continue;
      }
      if (pendingCount == 0)
        pendingFirst = run.first;
      pendingCount += run.count;
    }
    if (pendingCount > 0)
      drawPlaces(pendingFirst, pendingCount);
    // The mesh's own array serves draws without instances too.
    for (GLuint column = 0; column < 7; ++column)
      gl.glDisableVertexAttribArray(instanceLocation + column);
    gl.glBindBuffer(GL_ARRAY_BUFFER, 0);
    instanceArraysUsed_ = true;
  }
  gl.glBindVertexArray(0);
  gl.glUseProgram(0);
  gl.glDepthMask(GL_TRUE);
  gl.glDisable(GL_BLEND);
  gl.glDisable(GL_CULL_FACE);
  gl.glFrontFace(GL_CCW);
  releaseUnusedMeshes();
  return complete;
}

}  // namespace ornival
