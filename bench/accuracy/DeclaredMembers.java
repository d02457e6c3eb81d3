// Lists the members that the JDK's sources declare, read from the running JDK's own
// class files (the jrt:/ file system), so that the recogniser's output can be scored
// against something that did not come from a Java parser of ours.
//
// Usage: java DeclaredMembers SRC_ZIP OUT_TSV
//
// Only classes whose source file is in SRC_ZIP are written. What the compiler adds on
// its own (synthetic and bridge members, lambda bodies, static initialisers, the enum
// values()/valueOf(String) pair, default constructors, implicit record members, the
// hidden outer-instance and enum name/ordinal constructor parameters) is left out or
// written as an X record with the reason, so the comparator can report it apart.
//
// Output: one tab-separated record per line; the first field says what it is.
//   S file                             a source file that has at least one class here
//   C file path kind label             a top-level or member class; path is the chain of
//                                      simple names joined by '.'; kind is class,
//                                      interface, enum, record or annotation
//   M file path name argc mkind first last traits types
//                                      a declared method (mkind method) or constructor
//                                      (mkind ctor, name = class simple name); first/last
//                                      = line span of its code, 0 when it has none (a
//                                      constructor gives only its first line); types =
//                                      simple names of the parameter types, ','-joined
//   F file path name traits type       a declared field and its type's simple name
//   X file path name argc reason [type]
//                                      something the class file has but the source does
//                                      not declare as a member (argc F for fields); a
//                                      record component (reason record-component) also
//                                      gives its type's simple name, since the
//                                      recogniser shows components as fields
//   A file path name argc owner        a member of an anonymous or local class, listed
//                                      under the nearest member or top-level class
//   K file path name                   a local class declared in the class at path
//   L file path names                  local variable and parameter names (comma list)
//   # key value                        counters about the run
import java.io.BufferedWriter;
import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.BufferedReader;
import java.net.URI;
import java.nio.charset.StandardCharsets;
import java.nio.file.FileSystem;
import java.nio.file.FileSystems;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.HashSet;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.TreeMap;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

public class DeclaredMembers {
    static final int ACC_PUBLIC = 0x0001;
    static final int ACC_STATIC = 0x0008;
    static final int ACC_FINAL = 0x0010;
    static final int ACC_BRIDGE = 0x0040;
    static final int ACC_VARARGS = 0x0080;
    static final int ACC_NATIVE = 0x0100;
    static final int ACC_INTERFACE = 0x0200;
    static final int ACC_ABSTRACT = 0x0400;
    static final int ACC_SYNTHETIC = 0x1000;
    static final int ACC_ANNOTATION = 0x2000;
    static final int ACC_ENUM = 0x4000;

    // ---------------------------------------------------------------- class file model

    static final class InnerEntry {
        String inner;   // binary name
        String outer;   // binary name, null for local and anonymous classes
        String simple;  // null for anonymous classes
        int flags;
    }

    static final class Member {
        String name;
        String descriptor;
        String signature;
        int access;
        boolean annotated;
        boolean hasConstant;
        boolean hasThrows;
        int firstLine;  // line of the instruction at pc 0
        int minLine;
        int maxLine;
        List<String> locals = new ArrayList<>();
    }

    static final class ClassInfo {
        String module;
        String binaryName;  // e.g. java/util/Map$Entry
        int access;
        String superName;
        String sourceFile;
        Map<String, InnerEntry> inner = new HashMap<>();
        List<Member> fields = new ArrayList<>();
        List<Member> methods = new ArrayList<>();
        List<String> recordComponents;  // null when not a record
        String enclosingClass;          // EnclosingMethod attribute

        InnerEntry self() { return inner.get(binaryName); }

        String packageDir() {
            int slash = binaryName.lastIndexOf('/');
            return slash < 0 ? "" : binaryName.substring(0, slash);
        }

        String kind() {
            if ((access & ACC_ANNOTATION) != 0) return "annotation";
            if ((access & ACC_INTERFACE) != 0) return "interface";
            if ((access & ACC_ENUM) != 0 && "java/lang/Enum".equals(superName)) return "enum";
            if (recordComponents != null || "java/lang/Record".equals(superName)) return "record";
            return "class";
        }
    }

    static final class ClassReader {
        final DataInputStream in;
        Object[] pool;
        byte[] tags;

        ClassReader(byte[] bytes) {
            in = new DataInputStream(new ByteArrayInputStream(bytes));
        }

        String utf(int index) {
            return index == 0 ? null : (String) pool[index];
        }

        String className(int index) {
            return index == 0 ? null : utf((Integer) pool[index]);
        }

        ClassInfo read(String module) throws IOException {
            if (in.readInt() != 0xCAFEBABE) throw new IOException("not a class file");
            in.readUnsignedShort();
            in.readUnsignedShort();
            int count = in.readUnsignedShort();
            pool = new Object[count];
            tags = new byte[count];
            for (int i = 1; i < count; i++) {
                int tag = in.readUnsignedByte();
                tags[i] = (byte) tag;
                switch (tag) {
                    case 1 -> pool[i] = in.readUTF();
                    case 3, 4 -> in.readInt();
                    case 5, 6 -> { in.readLong(); i++; }
                    case 7, 8, 16, 19, 20 -> pool[i] = in.readUnsignedShort();
                    case 9, 10, 11, 12, 17, 18 -> in.readInt();
                    case 15 -> { in.readUnsignedByte(); in.readUnsignedShort(); }
                    default -> throw new IOException("bad constant pool tag " + tag);
                }
            }
            ClassInfo c = new ClassInfo();
            c.module = module;
            c.access = in.readUnsignedShort();
            c.binaryName = className(in.readUnsignedShort());
            c.superName = className(in.readUnsignedShort());
            int interfaces = in.readUnsignedShort();
            for (int i = 0; i < interfaces; i++) in.readUnsignedShort();
            int fields = in.readUnsignedShort();
            for (int i = 0; i < fields; i++) c.fields.add(readMember());
            int methods = in.readUnsignedShort();
            for (int i = 0; i < methods; i++) c.methods.add(readMember());
            int attrs = in.readUnsignedShort();
            for (int i = 0; i < attrs; i++) {
                String name = utf(in.readUnsignedShort());
                int length = in.readInt();
                switch (name) {
                    case "SourceFile" -> c.sourceFile = utf(in.readUnsignedShort());
                    case "InnerClasses" -> {
                        int n = in.readUnsignedShort();
                        for (int k = 0; k < n; k++) {
                            InnerEntry e = new InnerEntry();
                            e.inner = className(in.readUnsignedShort());
                            e.outer = className(in.readUnsignedShort());
                            e.simple = utf(in.readUnsignedShort());
                            e.flags = in.readUnsignedShort();
                            c.inner.put(e.inner, e);
                        }
                    }
                    case "EnclosingMethod" -> {
                        c.enclosingClass = className(in.readUnsignedShort());
                        in.readUnsignedShort();
                    }
                    case "Record" -> {
                        c.recordComponents = new ArrayList<>();
                        int n = in.readUnsignedShort();
                        for (int k = 0; k < n; k++) {
                            c.recordComponents.add(utf(in.readUnsignedShort()));
                            in.readUnsignedShort();
                            int ca = in.readUnsignedShort();
                            for (int a = 0; a < ca; a++) {
                                in.readUnsignedShort();
                                in.skipNBytes(in.readInt());
                            }
                        }
                    }
                    default -> in.skipNBytes(length);
                }
            }
            return c;
        }

        Member readMember() throws IOException {
            Member m = new Member();
            m.access = in.readUnsignedShort();
            m.name = utf(in.readUnsignedShort());
            m.descriptor = utf(in.readUnsignedShort());
            int attrs = in.readUnsignedShort();
            for (int i = 0; i < attrs; i++) {
                String name = utf(in.readUnsignedShort());
                int length = in.readInt();
                switch (name) {
                    case "Signature" -> m.signature = utf(in.readUnsignedShort());
                    case "ConstantValue" -> { m.hasConstant = true; in.skipNBytes(length); }
                    case "Exceptions" -> { m.hasThrows = true; in.skipNBytes(length); }
                    case "RuntimeVisibleAnnotations", "RuntimeInvisibleAnnotations",
                            "RuntimeVisibleParameterAnnotations",
                            "RuntimeInvisibleParameterAnnotations" -> {
                        m.annotated = true;
                        in.skipNBytes(length);
                    }
                    case "Code" -> readCode(m);
                    default -> in.skipNBytes(length);
                }
            }
            return m;
        }

        void readCode(Member m) throws IOException {
            in.readUnsignedShort();
            in.readUnsignedShort();
            in.skipNBytes(in.readInt());
            in.skipNBytes(8L * in.readUnsignedShort());
            int attrs = in.readUnsignedShort();
            int firstPc = Integer.MAX_VALUE;
            for (int i = 0; i < attrs; i++) {
                String name = utf(in.readUnsignedShort());
                int length = in.readInt();
                if (name.equals("LineNumberTable")) {
                    int n = in.readUnsignedShort();
                    for (int k = 0; k < n; k++) {
                        int pc = in.readUnsignedShort();
                        int line = in.readUnsignedShort();
                        if (pc < firstPc) {
                            firstPc = pc;
                            m.firstLine = line;
                        }
                        m.minLine = m.minLine == 0 ? line : Math.min(m.minLine, line);
                        m.maxLine = Math.max(m.maxLine, line);
                    }
                } else if (name.equals("LocalVariableTable")) {
                    int n = in.readUnsignedShort();
                    for (int k = 0; k < n; k++) {
                        in.readUnsignedShort();
                        in.readUnsignedShort();
                        String local = utf(in.readUnsignedShort());
                        in.readUnsignedShort();
                        in.readUnsignedShort();
                        m.locals.add(local);
                    }
                } else {
                    in.skipNBytes(length);
                }
            }
        }
    }

    // ---------------------------------------------------------------- descriptors

    static int argCount(String descriptor) {
        int count = 0;
        int i = 1;
        while (descriptor.charAt(i) != ')') {
            char ch = descriptor.charAt(i);
            if (ch == '[') {
                i++;
                continue;
            }
            if (ch == 'L') i = descriptor.indexOf(';', i);
            i++;
            count++;
        }
        return count;
    }

    // Source-level simple names of the types in a descriptor or generic signature:
    // "Ljava/util/Map$Entry<TK;TV;>;" is "Entry", "[I" is "int[]", "TT;" is "T".
    static final class TypeReader {
        final String s;
        int i;

        TypeReader(String s, int i) {
            this.s = s;
            this.i = i;
        }

        String next() {
            int dims = 0;
            while (s.charAt(i) == '[') {
                dims++;
                i++;
            }
            char ch = s.charAt(i++);
            String name = switch (ch) {
                case 'B' -> "byte";
                case 'C' -> "char";
                case 'D' -> "double";
                case 'F' -> "float";
                case 'I' -> "int";
                case 'J' -> "long";
                case 'S' -> "short";
                case 'Z' -> "boolean";
                case 'V' -> "void";
                case 'T' -> {
                    int end = s.indexOf(';', i);
                    String v = s.substring(i, end);
                    i = end + 1;
                    yield v;
                }
                case 'L' -> classType();
                default -> throw new IllegalArgumentException("bad type in " + s);
            };
            return name + "[]".repeat(dims);
        }

        // Skips type arguments; the last '/', '$' or '.' segment is the simple name.
        String classType() {
            StringBuilder last = new StringBuilder();
            while (true) {
                char ch = s.charAt(i++);
                if (ch == ';') return last.toString();
                if (ch == '/' || ch == '$' || ch == '.') {
                    last.setLength(0);
                } else if (ch == '<') {
                    int depth = 1;
                    while (depth > 0) {
                        char c = s.charAt(i++);
                        if (c == '<') depth++;
                        else if (c == '>') depth--;
                    }
                } else {
                    last.append(ch);
                }
            }
        }
    }

    static List<String> paramTypes(String descriptorOrSignature) {
        int open = descriptorOrSignature.indexOf('(');
        TypeReader r = new TypeReader(descriptorOrSignature, open + 1);
        List<String> types = new ArrayList<>();
        while (r.s.charAt(r.i) != ')') types.add(r.next());
        return types;
    }

    // The parameter types the source writes: the generic signature when it has as many
    // parameters as the source, else the descriptor without the hidden leading ones.
    static String sourceParamTypes(Member m, int argc) {
        try {
            if (m.signature != null) {
                List<String> t = paramTypes(m.signature);
                if (t.size() == argc) return String.join(",", t);
            }
            List<String> t = paramTypes(m.descriptor);
            return String.join(",", t.subList(t.size() - argc, t.size()));
        } catch (RuntimeException e) {
            return "?";
        }
    }

    static String fieldType(Member f) {
        try {
            return new TypeReader(f.signature != null ? f.signature : f.descriptor, 0).next();
        } catch (RuntimeException e) {
            return "?";
        }
    }

    // Traits a recogniser may trip over; the comparator groups misses by them.
    static String methodTraits(ClassInfo c, Member m, boolean ctor) {
        List<String> t = new ArrayList<>();
        String sig = m.signature;
        if (sig != null && sig.startsWith("<")) t.add("generic-method");
        if (sig != null) {
            int open = sig.indexOf('(');
            int close = sig.lastIndexOf(')');
            String params = sig.substring(open + 1, close);
            String ret = sig.substring(close + 1);
            int caret = ret.indexOf('^');
            if (caret >= 0) ret = ret.substring(0, caret);
            if (params.contains("<")) t.add("generic-param");
            if (params.matches(".*(^|[;\\[])T[A-Za-z0-9_$]+;.*")) t.add("type-variable-param");
            if (!ctor && (ret.contains("<") || ret.startsWith("T") || ret.startsWith("[T")))
                t.add("generic-return");
        }
        if ((m.access & ACC_VARARGS) != 0) t.add("varargs");
        int close = m.descriptor.indexOf(')');
        if (m.descriptor.substring(1, close).contains("[")) t.add("array-param");
        if (m.descriptor.substring(close + 1).startsWith("[")) t.add("array-return");
        if (m.annotated) t.add("annotated");
        if (m.hasThrows) t.add("throws");
        if ((m.access & ACC_NATIVE) != 0) t.add("native");
        if ((m.access & ACC_ABSTRACT) != 0) t.add("abstract");
        if ((c.access & ACC_INTERFACE) != 0 && (m.access & ACC_ABSTRACT) == 0)
            t.add((m.access & ACC_STATIC) != 0 ? "interface-static" : "interface-body");
        return String.join(",", t);
    }

    static String fieldTraits(ClassInfo c, Member f) {
        List<String> t = new ArrayList<>();
        if (f.signature != null) t.add(f.signature.startsWith("T") ? "type-variable" : "generic-type");
        if (f.descriptor.startsWith("[")) t.add("array");
        if (f.annotated) t.add("annotated");
        if (f.hasConstant) t.add("constant");
        if ((c.access & ACC_INTERFACE) != 0) t.add("interface-field");
        return String.join(",", t);
    }

    // ---------------------------------------------------------------- source look-ups

    // The compiler gives a default constructor and the implicit record members the line
    // of the class's own 'class'/'enum'/'record' keyword; an explicit one has its own
    // line. Only that one line of the source is looked at.
    static final Pattern HEADER = Pattern.compile("\\b(class|enum|record|interface)\\b\\s*(\\S*)");

    static boolean isHeaderLine(List<String> lines, int line, String simpleName) {
        if (lines == null || line < 1 || line > lines.size()) return false;
        Matcher m = HEADER.matcher(lines.get(line - 1));
        while (m.find()) {
            String rest = m.group(2);
            if (rest.isEmpty()) {
                for (int next = line; next < lines.size(); next++) {
                    String text = lines.get(next).trim();
                    if (text.isEmpty()) continue;
                    return startsWithName(text, simpleName);
                }
                return false;
            }
            if (startsWithName(rest, simpleName)) return true;
        }
        return false;
    }

    static boolean startsWithName(String text, String name) {
        if (!text.startsWith(name)) return false;
        if (text.length() == name.length()) return true;
        return !Character.isJavaIdentifierPart(text.charAt(name.length()));
    }

    // ---------------------------------------------------------------- main

    final Map<String, ClassInfo> classes = new HashMap<>();
    final Map<String, List<String>> sourceCache = new HashMap<>();
    final Map<String, Integer> stats = new TreeMap<>();
    ZipFile srcZip;
    Set<String> sources;

    void count(String key) { stats.merge(key, 1, Integer::sum); }

    List<String> sourceLines(String file) {
        return sourceCache.computeIfAbsent(file, f -> {
            ZipEntry e = srcZip.getEntry(f);
            if (e == null) return null;
            try (InputStream s = srcZip.getInputStream(e)) {
                BufferedReader r = new BufferedReader(new InputStreamReader(s, StandardCharsets.UTF_8));
                return r.lines().collect(Collectors.toList());
            } catch (IOException ex) {
                return null;
            }
        });
    }

    // Anonymous and local classes, and everything nested in them, are not members.
    boolean isLocalOrAnonymous(ClassInfo c) {
        Set<String> seen = new HashSet<>();
        String name = c.binaryName;
        while (name != null && seen.add(name)) {
            InnerEntry e = c.inner.get(name);
            if (e == null) return false;
            if (e.outer == null || e.simple == null) return true;
            name = e.outer;
        }
        return false;
    }

    String topLevelOf(ClassInfo c) {
        String name = c.binaryName;
        Set<String> seen = new HashSet<>();
        while (seen.add(name)) {
            InnerEntry e = c.inner.get(name);
            if (e == null) break;
            name = e.outer != null ? e.outer : enclosingOf(name, c);
            if (name == null) break;
        }
        return name;
    }

    String enclosingOf(String binaryName, ClassInfo hint) {
        if (binaryName.equals(hint.binaryName) && hint.enclosingClass != null) return hint.enclosingClass;
        ClassInfo other = classes.get(binaryName);
        if (other != null && other.enclosingClass != null) return other.enclosingClass;
        int dollar = binaryName.lastIndexOf('$');
        return dollar < 0 ? null : binaryName.substring(0, dollar);
    }

    // Simple names from the top-level class down, joined by '.'.
    String pathOf(ClassInfo c) {
        List<String> parts = new ArrayList<>();
        String name = c.binaryName;
        Set<String> seen = new HashSet<>();
        while (name != null && seen.add(name)) {
            InnerEntry e = c.inner.get(name);
            if (e == null) {
                parts.add(0, name.substring(name.lastIndexOf('/') + 1));
                break;
            }
            parts.add(0, e.simple);
            name = e.outer;
        }
        return String.join(".", parts);
    }

    // The nearest enclosing class that is a top-level or member class.
    ClassInfo memberOwner(ClassInfo c) {
        String name = c.binaryName;
        Set<String> seen = new HashSet<>();
        while (name != null && seen.add(name)) {
            ClassInfo k = classes.get(name);
            if (k != null && k != c && !isLocalOrAnonymous(k)) return k;
            InnerEntry e = c.inner.get(name);
            name = (e != null && e.outer != null) ? e.outer : enclosingOf(name, c);
        }
        return null;
    }

    String sourcePath(ClassInfo c) {
        String file = c.sourceFile;
        if (file == null) {
            String top = topLevelOf(c);
            if (top == null) top = c.binaryName;
            file = top.substring(top.lastIndexOf('/') + 1) + ".java";
        }
        String dir = c.packageDir();
        return c.module + "/" + (dir.isEmpty() ? "" : dir + "/") + file;
    }

    String label(ClassInfo c) {
        InnerEntry e = c.self();
        if (e == null || e.outer == null) return c.kind();
        ClassInfo outer = classes.get(e.outer);
        return c.kind() + " in " + (outer == null ? "class" : outer.kind());
    }

    public static void main(String[] args) throws Exception {
        if (args.length != 2) {
            System.err.println("usage: java DeclaredMembers SRC_ZIP OUT_TSV");
            System.exit(2);
        }
        new DeclaredMembers().run(Paths.get(args[0]), Paths.get(args[1]));
    }

    void run(Path zip, Path out) throws Exception {
        srcZip = new ZipFile(zip.toFile());
        sources = new HashSet<>();
        for (Enumeration<? extends ZipEntry> en = srcZip.entries(); en.hasMoreElements(); ) {
            String n = en.nextElement().getName();
            if (n.endsWith(".java")) sources.add(n);
        }
        FileSystem jrt = FileSystems.getFileSystem(URI.create("jrt:/"));
        List<Path> modules;
        try (Stream<Path> s = Files.list(jrt.getPath("/modules"))) {
            modules = s.sorted().collect(Collectors.toList());
        }
        for (Path mod : modules) {
            String module = mod.getFileName().toString();
            List<Path> files;
            try (Stream<Path> s = Files.walk(mod)) {
                files = s.filter(p -> p.toString().endsWith(".class")).sorted().collect(Collectors.toList());
            }
            for (Path p : files) {
                if (p.getFileName().toString().equals("module-info.class")) continue;
                count("class files read");
                try {
                    ClassInfo c = new ClassReader(Files.readAllBytes(p)).read(module);
                    classes.put(c.binaryName, c);
                } catch (IOException | RuntimeException ex) {
                    count("class files unreadable");
                    System.err.println("cannot read " + p + ": " + ex);
                }
            }
        }

        List<ClassInfo> sorted = new ArrayList<>(classes.values());
        sorted.sort((a, b) -> a.binaryName.compareTo(b.binaryName));
        Map<String, List<String>> byFile = new TreeMap<>();
        Set<String> filesWithClasses = new LinkedHashSet<>();
        for (ClassInfo c : sorted) {
            String file = sourcePath(c);
            if (!sources.contains(file)) {
                count("classes without a source in src.zip");
                continue;
            }
            if ((c.access & ACC_SYNTHETIC) != 0) {
                count("synthetic classes skipped");
                continue;
            }
            List<String> lines = byFile.computeIfAbsent(file, f -> new ArrayList<>());
            if (isLocalOrAnonymous(c)) {
                writeLocal(c, file, lines);
                continue;
            }
            filesWithClasses.add(file);
            writeClass(c, file, lines);
        }

        try (BufferedWriter w = Files.newBufferedWriter(out, StandardCharsets.UTF_8)) {
            for (Map.Entry<String, List<String>> e : byFile.entrySet()) {
                if (!filesWithClasses.contains(e.getKey())) continue;
                w.write("S\t" + e.getKey() + "\n");
                for (String line : e.getValue()) w.write(line + "\n");
            }
            int missingFiles = 0;
            for (String s : sources)
                if (!filesWithClasses.contains(s)) missingFiles++;
            stats.put("source files in src.zip", sources.size());
            stats.put("source files with classes", filesWithClasses.size());
            stats.put("source files without classes", missingFiles);
            for (Map.Entry<String, Integer> e : stats.entrySet())
                w.write("#\t" + e.getKey() + "\t" + e.getValue() + "\n");
        }
        for (Map.Entry<String, Integer> e : stats.entrySet())
            System.err.println(e.getKey() + ": " + e.getValue());
    }

    void writeClass(ClassInfo c, String file, List<String> out) {
        String path = pathOf(c);
        String simple = path.substring(path.lastIndexOf('.') + 1);
        String kind = c.kind();
        out.add(String.join("\t", "C", file, path, kind, label(c)));
        count("classes: " + kind);
        InnerEntry self = c.self();
        boolean innerNonStatic = self != null && self.outer != null && (self.flags & ACC_STATIC) == 0
                && kind.equals("class");
        String recordDesc = null;
        if (c.recordComponents != null) {
            StringBuilder sb = new StringBuilder("(");
            for (Member f : c.fields)
                if ((f.access & ACC_STATIC) == 0) sb.append(f.descriptor);
            recordDesc = sb.append(")V").toString();
        }
        Set<String> locals = new LinkedHashSet<>();

        for (Member f : c.fields) {
            if ((f.access & ACC_SYNTHETIC) != 0) {
                count("synthetic fields skipped");
                continue;
            }
            if ((f.access & ACC_ENUM) != 0) {
                out.add(String.join("\t", "X", file, path, f.name, "F", "enum-constant"));
                continue;
            }
            if (c.recordComponents != null && (f.access & ACC_STATIC) == 0
                    && c.recordComponents.contains(f.name)) {
                out.add(String.join("\t", "X", file, path, f.name, "F", "record-component",
                        fieldType(f)));
                continue;
            }
            out.add(String.join("\t", "F", file, path, f.name, fieldTraits(c, f), fieldType(f)));
        }

        for (Member m : c.methods) {
            for (String l : m.locals)
                if (!l.equals("this")) locals.add(l);
            if ((m.access & (ACC_SYNTHETIC | ACC_BRIDGE)) != 0 || m.name.startsWith("lambda$")
                    || m.name.startsWith("access$") || m.name.equals("<clinit>")) {
                count("synthetic methods skipped");
                continue;
            }
            boolean ctor = m.name.equals("<init>");
            int argc = argCount(m.descriptor);
            String name = ctor ? simple : m.name;
            if (ctor && innerNonStatic && argc > 0) argc -= 1;
            if (ctor && kind.equals("enum") && argc >= 2) argc -= 2;

            String reason = null;
            if (kind.equals("enum") && (m.access & ACC_STATIC) != 0
                    && ((m.name.equals("values") && argc == 0)
                        || (m.name.equals("valueOf") && m.descriptor.startsWith("(Ljava/lang/String;)")
                            && argc == 1)))
                reason = "enum-" + m.name;
            else if (ctor && argc == 0 && isHeaderLine(sourceLines(file), m.firstLine, simple))
                reason = "default-constructor";
            else if (ctor && argc == 0 && m.firstLine == 0 && m.maxLine == 0)
                // The JDK is compiled with line numbers, so a constructor without any
                // belongs to a class that a tool rewrote at link time: not from source.
                reason = "default-constructor";
            else if (kind.equals("record") && isHeaderLine(sourceLines(file), m.firstLine, simple)) {
                if (ctor && m.descriptor.equals(recordDesc))
                    reason = "record-canonical-constructor";
                else if (!ctor && argc == 0 && c.recordComponents.contains(m.name))
                    reason = "record-accessor";
                else if (!ctor && ((m.name.equals("toString") && argc == 0)
                        || (m.name.equals("hashCode") && argc == 0)
                        || (m.name.equals("equals") && argc == 1)))
                    reason = "record-object-method";
            }
            if (reason != null) {
                out.add(String.join("\t", "X", file, path, name, String.valueOf(argc), reason));
                continue;
            }
            // A constructor's line table also holds the lines of the field initialisers
            // that the compiler copies into it, so only its first line is its own.
            int first = ctor ? m.firstLine : m.minLine;
            int last = ctor ? 0 : m.maxLine;
            out.add(String.join("\t", "M", file, path, name, String.valueOf(argc),
                    ctor ? "ctor" : "method", String.valueOf(first), String.valueOf(last),
                    methodTraits(c, m, ctor), sourceParamTypes(m, argc)));
        }
        if (!locals.isEmpty()) out.add(String.join("\t", "L", file, path, String.join(",", locals)));
    }

    void writeLocal(ClassInfo c, String file, List<String> out) {
        ClassInfo owner = memberOwner(c);
        if (owner == null) {
            count("local classes without an owner");
            return;
        }
        String ownerPath = pathOf(owner);
        InnerEntry self = c.self();
        String simple = self != null && self.simple != null ? self.simple : "";
        if (!simple.isEmpty()) out.add(String.join("\t", "K", file, ownerPath, simple));
        count(simple.isEmpty() ? "anonymous classes" : "local classes");
        for (Member f : c.fields)
            if ((f.access & ACC_SYNTHETIC) == 0)
                out.add(String.join("\t", "A", file, ownerPath, f.name, "F", simple));
        for (Member m : c.methods) {
            if ((m.access & (ACC_SYNTHETIC | ACC_BRIDGE)) != 0 || m.name.startsWith("lambda$")
                    || m.name.equals("<clinit>") || m.name.equals("<init>"))
                continue;
            out.add(String.join("\t", "A", file, ownerPath, m.name,
                    String.valueOf(argCount(m.descriptor)), simple));
        }
    }
}
