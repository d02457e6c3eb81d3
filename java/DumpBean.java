import java.beans.BeanInfo;
import java.beans.EventSetDescriptor;
import java.beans.IndexedPropertyDescriptor;
import java.beans.IntrospectionException;
import java.beans.Introspector;
import java.beans.MethodDescriptor;
import java.beans.PropertyDescriptor;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.io.PrintWriter;
import java.io.Writer;
import java.lang.reflect.Array;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.List;

/**
 * Writes what java.beans.Introspector finds about one bean in the form that
 * Mavu's bean converter reads:
 *
 * <pre>
 * java DumpBean BEAN.class|CLASS.NAME OUTPUT
 *
 * class a.b.Bean {
 * Properties {
 * [H] [I] [E] TYPE NAME [GETTER] [SETTER];
 * }
 * Events {
 * LISTENER.TYPE SETNAME ADDMETHOD REMOVEMETHOD LISTENERMETHOD...;
 * }
 * Methods {
 * public RETURNTYPE NAME(PARAMTYPE, ...) throws X;
 * }
 * }
 * </pre>
 *
 * The flag letters mark hidden (H), indexed (I) and expert (E) properties.
 * A property whose type is an array is written in the JVM's descriptor form
 * without its closing ';' ("[Ljava.lang.String", "[[I"), so that the whole
 * type stays one entry of the list; every other type, and every type in
 * the Methods section, is the Java name ("java.lang.String[]"). Types are
 * erased: the converter knows no type parameters.
 *
 * The class is loaded without being initialised, so no static initialiser
 * of the bean runs; the introspector stops at Object, whose property
 * "class" and whose methods every bean would otherwise list.
 *
 * A class file's own name is found by trying the directories above it as
 * package roots, nearest first, so the bean's other classes in the same
 * tree load too. Exit status: 0 when the output was written, 1 otherwise.
 */
public final class DumpBean {
    public static void main(String[] args) {
        if (args.length != 2) {
            System.err.println("usage: java DumpBean BEAN.class|CLASS.NAME OUTPUT");
            System.exit(1);
        }
        try {
            Class<?> bean = load(args[0]);
            BeanInfo info = Introspector.getBeanInfo(bean, bean == Object.class ? null : Object.class);
            String text = describe(bean, info);
            try (Writer w = new OutputStreamWriter(Files.newOutputStream(Path.of(args[1])),
                    StandardCharsets.UTF_8);
                 PrintWriter pw = new PrintWriter(w)) {
                pw.print(text);
                pw.flush();
                if (pw.checkError()) {
                    System.err.println("DumpBean: cannot write " + args[1]);
                    System.exit(1);
                }
            }
        } catch (IOException | IntrospectionException | ClassNotFoundException | LinkageError
                 | RuntimeException e) {
            System.err.println("DumpBean: " + args[0] + ": " + e);
            System.exit(1);
        }
    }

    private static Class<?> load(String input) throws IOException, ClassNotFoundException {
        if (!input.toLowerCase().endsWith(".class"))
            return Class.forName(input, false, ClassLoader.getSystemClassLoader());
        Path file = Path.of(input).toAbsolutePath().normalize();
        if (!Files.isRegularFile(file))
            throw new IOException("no such class file");
        String name = file.getFileName().toString();
        name = name.substring(0, name.length() - ".class".length());
        Throwable last = null;
        // A class file whose package does not match its folders reports
        // "wrong name"; the right root is the one where the name matches.
        for (Path root = file.getParent(); root != null; root = root.getParent()) {
            URLClassLoader loader = new URLClassLoader(new URL[] {root.toUri().toURL()},
                    ClassLoader.getSystemClassLoader());
            try {
                return Class.forName(name, false, loader);
            } catch (ClassNotFoundException | NoClassDefFoundError e) {
                last = e;
            }
            if (root.getFileName() == null)
                break;
            name = root.getFileName() + "." + name;
        }
        throw new ClassNotFoundException("no package root found for " + input, last);
    }

    static String describe(Class<?> bean, BeanInfo info) {
        StringBuilder out = new StringBuilder();
        out.append("class ").append(bean.getName()).append(" {\n");

        out.append("Properties {\n");
        PropertyDescriptor[] props = info.getPropertyDescriptors();
        Arrays.sort(props, Comparator.comparing(PropertyDescriptor::getName));
        for (PropertyDescriptor p : props) {
            Class<?> type = p.getPropertyType();
            if (type == null && p instanceof IndexedPropertyDescriptor)
                type = Array.newInstance(((IndexedPropertyDescriptor) p).getIndexedPropertyType(), 0).getClass();
            if (type == null)
                continue;
            StringBuilder line = new StringBuilder();
            if (p.isHidden())
                line.append("H ");
            if (p instanceof IndexedPropertyDescriptor)
                line.append("I ");
            if (p.isExpert())
                line.append("E ");
            line.append(propertyType(type)).append(' ').append(p.getName());
            if (p.getReadMethod() != null)
                line.append(' ').append(p.getReadMethod().getName());
            if (p.getWriteMethod() != null)
                line.append(' ').append(p.getWriteMethod().getName());
            out.append(line).append(";\n");
        }
        out.append("}\n");

        out.append("Events {\n");
        EventSetDescriptor[] events = info.getEventSetDescriptors();
        Arrays.sort(events, Comparator.comparing(EventSetDescriptor::getName));
        for (EventSetDescriptor e : events) {
            out.append(e.getListenerType().getName()).append(' ').append(e.getName());
            out.append(' ').append(e.getAddListenerMethod().getName());
            out.append(' ').append(e.getRemoveListenerMethod().getName());
            List<String> fired = new ArrayList<>();
            for (Method m : e.getListenerMethods())
                fired.add(m.getName());
            fired.sort(Comparator.naturalOrder());
            for (String m : fired)
                out.append(' ').append(m);
            out.append(";\n");
        }
        out.append("}\n");

        out.append("Methods {\n");
        MethodDescriptor[] methods = info.getMethodDescriptors();
        List<Method> list = new ArrayList<>();
        for (MethodDescriptor m : methods)
            list.add(m.getMethod());
        list.sort(Comparator.comparing(Method::getName).thenComparing(Method::toString));
        for (Method m : list) {
            String mods = Modifier.toString(m.getModifiers()
                    & (Modifier.PUBLIC | Modifier.STATIC | Modifier.FINAL | Modifier.SYNCHRONIZED));
            if (!mods.isEmpty())
                out.append(mods).append(' ');
            out.append(m.getReturnType().getTypeName()).append(' ').append(m.getName()).append('(');
            Class<?>[] params = m.getParameterTypes();
            for (int i = 0; i < params.length; i++)
                out.append(i == 0 ? "" : ", ").append(params[i].getTypeName());
            out.append(')');
            Class<?>[] thrown = m.getExceptionTypes();
            for (int i = 0; i < thrown.length; i++)
                out.append(i == 0 ? " throws " : ", ").append(thrown[i].getName());
            out.append(";\n");
        }
        out.append("}\n");
        out.append("}\n");
        return out.toString();
    }

    /** Arrays in descriptor form without the closing ';', all else by name. */
    private static String propertyType(Class<?> type) {
        if (!type.isArray())
            return type.getName();
        String descriptor = type.getName();
        return descriptor.endsWith(";") ? descriptor.substring(0, descriptor.length() - 1) : descriptor;
    }
}
