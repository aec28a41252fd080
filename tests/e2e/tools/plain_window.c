/* The peer of the player's start-up measurement: a plain GTK 3 window of the given
 * size at (0, 0), painted one grey, nothing else. */
#include <gtk/gtk.h>
#include <stdlib.h>

static gboolean Draw(GtkWidget* widget, cairo_t* cr, gpointer data)
{
    (void)widget;
    (void)data;
    cairo_set_source_rgb(cr, 0xF0 / 255.0, 0xF0 / 255.0, 0xF0 / 255.0);
    cairo_paint(cr);
    return TRUE;
}

int main(int argc, char** argv)
{
    gtk_init(&argc, &argv);
    int width = argc > 1 ? atoi(argv[1]) : 900, height = argc > 2 ? atoi(argv[2]) : 700;
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "plain");
    gtk_window_set_default_size(GTK_WINDOW(window), width, height);
    gtk_window_move(GTK_WINDOW(window), 0, 0);
    GtkWidget* area = gtk_drawing_area_new();
    g_signal_connect(area, "draw", G_CALLBACK(Draw), NULL);
    gtk_container_add(GTK_CONTAINER(window), area);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
