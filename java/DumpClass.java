import java.io.File;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.io.PrintWriter;
import java.io.Writer;
import java.lang.reflect.Constructor;
import java.lang.reflect.Field;
import java.lang.reflect.Member;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.net.URI;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.FileSystem;
import java.nio.file.FileSystems;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.Enumeration;
import java.util.List;
import java.util.function.Predicate;
import java.util.stream.Stream;
import java.util.zip.ZipEntry;
import java.util.zip.ZipFile;

/**
 * Writes the public classes and interfaces of a class file, a zip or jar
 * archive, or modules of the running JDK as Java declarations that Mavu's
 * Java recogniser reads like a source file.
 *
 * <pre>
 * java DumpClass FILE.class|FILE.zip|FILE.jar OUTPUT
 * java DumpClass jrt:/MODULE[,MODULE...] OUTPUT     (MODULE may end in *)
 * </pre>
 *
 * Types are written with their fully qualified names, so that the IDE can
 * tell their packages; member types are written inside their outer type
 * with their simple names. Types are erased: the recogniser knows no type
 * parameters. Classes are loaded without being initialised, so no static
 * initialiser of the inspected code runs. A class that cannot be loaded
 * (a missing dependency, a broken file) is skipped with a note on stderr.
 *
 * Exit status: 0 when the output was written, 1 on bad arguments or when
 * the input or the output could not be read or written.
 */
public final class DumpClass {
    private final PrintWriter out;
    private int skipped;

    private DumpClass(PrintWriter out) {
        this.out = out;
    }

    public static void main(String[] args) {
        if (args.length != 2) {
            System.err.println("usage: java DumpClass FILE.class|FILE.zip|FILE.jar|jrt:/MODULE,... OUTPUT");
            System.exit(1);
        }
        String input = args[0];
        try (Writer w = new OutputStreamWriter(Files.newOutputStream(Path.of(args[1])),
                StandardCharsets.UTF_8);
             PrintWriter pw = new PrintWriter(w)) {
            DumpClass dump = new DumpClass(pw);
            String lower = input.toLowerCase();
            if (lower.startsWith("jrt:/")) {
                dump.dumpModules(input.substring(5).split(","));
            } else if (lower.endsWith(".class")) {
                dump.dumpClassFile(Path.of(input));
            } else {
                dump.dumpArchive(new File(input));
            }
            pw.flush();
            if (pw.checkError()) {
                System.err.println("DumpClass: cannot write " + args[1]);
                System.exit(1);
            }
            if (dump.skipped > 0)
                System.err.println("DumpClass: " + dump.skipped + " classes could not be loaded");
        } catch (IOException | RuntimeException e) {
            System.err.println("DumpClass: " + input + ": " + e);
            System.exit(1);
        }
    }

    /** A single class file: its name comes from the file's own bytes. */
    private void dumpClassFile(Path path) throws IOException {
        byte[] bytes = Files.readAllBytes(path);
        final class OneClassLoader extends ClassLoader {
            OneClassLoader() {
                super(ClassLoader.getSystemClassLoader());
            }

            Class<?> define(byte[] b) {
                return defineClass(null, b, 0, b.length);
            }
        }
        Class<?> c;
        try {
            c = new OneClassLoader().define(bytes);
        } catch (LinkageError e) {
            throw new IOException("not a loadable class file: " + e, e);
        }
        if (isListedTopLevel(c))
            write(c);
    }

    /** A whole top-level type, or nothing when a part of it cannot be loaded. */
    private void write(Class<?> c) {
        StringBuilder text = new StringBuilder();
        writeType(c, "", text);
        out.print(text);
    }

    private void dumpArchive(File file) throws IOException {
        List<String> names = new ArrayList<>();
        try (ZipFile zip = new ZipFile(file)) {
            for (Enumeration<? extends ZipEntry> e = zip.entries(); e.hasMoreElements();) {
                String n = e.nextElement().getName();
                if (n.endsWith(".class") && !n.startsWith("META-INF/") && !n.contains("$")
                        && !n.endsWith("module-info.class") && !n.endsWith("package-info.class"))
                    names.add(n.substring(0, n.length() - 6).replace('/', '.'));
            }
        }
        names.sort(Comparator.naturalOrder());
        try (URLClassLoader loader = new URLClassLoader(new URL[] {file.toURI().toURL()},
                ClassLoader.getSystemClassLoader())) {
            for (String n : names)
                dumpNamed(n, loader);
        }
    }

    /** The exported packages of the named modules of the running JDK. */
    private void dumpModules(String[] modules) throws IOException {
        FileSystem jrt = FileSystems.getFileSystem(URI.create("jrt:/"));
        // "java.*" stands for every module of that prefix in this JDK.
        List<String> wanted = new ArrayList<>();
        for (String m : modules) {
            if (m.endsWith("*")) {
                String prefix = m.substring(0, m.length() - 1);
                ModuleLayer.boot().modules().stream().map(Module::getName)
                        .filter(n -> n.startsWith(prefix)).sorted().forEach(wanted::add);
            } else {
                wanted.add(m);
            }
        }
        for (String module : wanted) {
            Path root = jrt.getPath("/modules", module);
            if (!Files.isDirectory(root))
                throw new IOException("no module " + module + " in this JDK");
            Module mod = ModuleLayer.boot().findModule(module).orElse(null);
            List<String> names = new ArrayList<>();
            try (Stream<Path> files = Files.walk(root)) {
                files.forEach(p -> {
                    String rel = root.relativize(p).toString();
                    if (rel.endsWith(".class") && !rel.contains("$") && !rel.endsWith("module-info.class")
                            && !rel.endsWith("package-info.class"))
                        names.add(rel.substring(0, rel.length() - 6).replace('/', '.'));
                });
            }
            names.sort(Comparator.naturalOrder());
            for (String n : names) {
                int dot = n.lastIndexOf('.');
                String pkg = dot < 0 ? "" : n.substring(0, dot);
                // Only the API: packages the module exports to everyone.
                if (mod != null && !mod.isExported(pkg))
                    continue;
                dumpNamed(n, ClassLoader.getPlatformClassLoader());
            }
        }
    }

    private void dumpNamed(String name, ClassLoader loader) {
        try {
            Class<?> c = Class.forName(name, false, loader);
            if (isListedTopLevel(c))
                write(c);
        } catch (ClassNotFoundException | LinkageError | SecurityException e) {
            skipped++;
            System.err.println("DumpClass: skipped " + name + ": " + e);
        }
    }

    private static boolean isListedTopLevel(Class<?> c) {
        return Modifier.isPublic(c.getModifiers()) && c.getEnclosingClass() == null && !c.isSynthetic();
    }

    private static String typeName(Class<?> c) {
        String n = c.getCanonicalName();
        return n != null ? n : c.getTypeName().replace('$', '.');
    }

    private static String modifiers(int mods, int allowed) {
        String s = Modifier.toString(mods & allowed);
        return s.isEmpty() ? "" : s + " ";
    }

    /**
     * One type and its public members. A top-level type is written with its
     * qualified name, a member type with its simple name.
     */
    private void writeType(Class<?> c, String indent, StringBuilder text) {
        // Resolve every member first, so that a type whose members cannot be
        // loaded is skipped whole instead of being written halfway.
        Field[] fields = publicOnly(c.getDeclaredFields());
        Constructor<?>[] ctors = c.isInterface() ? new Constructor<?>[0] : publicOnly(c.getDeclaredConstructors());
        Method[] methods = publicOnly(c.getDeclaredMethods(), m -> isVisibilityBridge(c, m));
        Class<?>[] inner = Arrays.stream(c.getDeclaredClasses())
                .filter(t -> Modifier.isPublic(t.getModifiers()) && !t.isSynthetic())
                .sorted(Comparator.comparing(Class::getSimpleName))
                .toArray(Class<?>[]::new);

        boolean iface = c.isInterface();
        int allowed = iface ? Modifier.interfaceModifiers() : Modifier.classModifiers();
        int mods = c.getModifiers() & ~(iface ? Modifier.ABSTRACT : 0);
        StringBuilder head = new StringBuilder(indent);
        head.append(modifiers(mods, allowed & ~Modifier.INTERFACE));
        head.append(iface ? "interface " : "class ");
        head.append(indent.isEmpty() ? typeName(c) : c.getSimpleName());
        Class<?> base = c.getSuperclass();
        if (!iface && base != null)
            head.append(" extends ").append(typeName(base));
        Class<?>[] bases = c.getInterfaces();
        if (bases.length > 0) {
            head.append(iface ? " extends " : " implements ");
            for (int i = 0; i < bases.length; i++)
                head.append(i == 0 ? "" : ", ").append(typeName(bases[i]));
        }
        text.append(head).append(" {\n");

        String in = indent + "    ";
        for (Field f : fields)
            text.append(in + modifiers(f.getModifiers(), Modifier.fieldModifiers()) + typeName(f.getType())
                    + " " + f.getName() + ";").append("\n");
        // A constructor carries its type's name as written in the header,
        // which is how the recogniser tells it from a method.
        String ctorName = indent.isEmpty() ? typeName(c) : c.getSimpleName();
        for (Constructor<?> k : ctors)
            text.append(in + modifiers(k.getModifiers(), Modifier.constructorModifiers()) + ctorName
                    + parameters(k.getParameterTypes()) + exceptions(k.getExceptionTypes()) + ";").append("\n");
        for (Method m : methods) {
            int mm = m.getModifiers() & ~(iface ? Modifier.ABSTRACT : 0);
            text.append(in + modifiers(mm, Modifier.methodModifiers()) + typeName(m.getReturnType()) + " "
                    + m.getName() + parameters(m.getParameterTypes()) + exceptions(m.getExceptionTypes()) + ";").append("\n");
        }
        for (Class<?> t : inner)
            writeType(t, in, text);
        text.append(indent).append("}\n");
    }

    private static <T extends Member> T[] publicOnly(T[] members) {
        return publicOnly(members, m -> false);
    }

    /** The public members, leaving out the compiler's own unless keepSynthetic says otherwise. */
    private static <T extends Member> T[] publicOnly(T[] members, Predicate<T> keepSynthetic) {
        T[] kept = Arrays.stream(members)
                .filter(m -> Modifier.isPublic(m.getModifiers()) && (!m.isSynthetic() || keepSynthetic.test(m)))
                .toArray(n -> Arrays.copyOf(members, n));
        // Reflection gives no particular order; the output should not change
        // from one run to the next.
        Arrays.sort(kept, Comparator.comparing(DumpClass::sortKey));
        return kept;
    }

    /**
     * A public class that inherits public methods from a superclass that is
     * not public gets the compiler's bridges for them (marked synthetic), so
     * that code outside the package can call them through it: they are part
     * of the class's public API, and javap lists them. Other bridges (for
     * generics and covariant returns) repeat a method the class declares.
     */
    private static boolean isVisibilityBridge(Class<?> c, Method m) {
        if (!m.isBridge())
            return false;
        for (Class<?> s = c.getSuperclass(); s != null; s = s.getSuperclass()) {
            try {
                Method inherited = s.getDeclaredMethod(m.getName(), m.getParameterTypes());
                return !Modifier.isPublic(s.getModifiers()) && inherited.getReturnType() == m.getReturnType();
            } catch (NoSuchMethodException e) {
                // declared further up, if at all
            }
        }
        return false;
    }

    private static String sortKey(Member m) {
        if (m instanceof Method)
            return m.getName() + parameters(((Method) m).getParameterTypes());
        if (m instanceof Constructor)
            return parameters(((Constructor<?>) m).getParameterTypes());
        return m.getName();
    }

    private static String parameters(Class<?>[] types) {
        StringBuilder s = new StringBuilder("(");
        for (int i = 0; i < types.length; i++)
            s.append(i == 0 ? "" : ", ").append(typeName(types[i])).append(" arg").append(i);
        return s.append(")").toString();
    }

    private static String exceptions(Class<?>[] types) {
        if (types.length == 0)
            return "";
        StringBuilder s = new StringBuilder(" throws ");
        for (int i = 0; i < types.length; i++)
            s.append(i == 0 ? "" : ", ").append(typeName(types[i]));
        return s.toString();
    }
}
