/* Asks the Wayland compositor for an activation token and prints it, as a
 * desktop's menu does for the program it starts. Exits 1 without one. */
#include "xdg-activation-v1-client-protocol.h"

#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

static struct xdg_activation_v1 *activation;
static int printed;

static void Global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version)
{
    (void)data, (void)version;
    if (strcmp(interface, xdg_activation_v1_interface.name) == 0)
        activation = wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1);
}

static void GlobalRemove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static void Done(void *data, struct xdg_activation_token_v1 *token, const char *text)
{
    (void)data, (void)token;
    printed = printf("%s\n", text) > 1;
}

int main(void)
{
    static const struct wl_registry_listener registryListener = {Global, GlobalRemove};
    static const struct xdg_activation_token_v1_listener tokenListener = {Done};
    struct wl_display *display = wl_display_connect(NULL);
    if (!display)
        return 1;
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, NULL);
    if (wl_display_roundtrip(display) < 0 || !activation)
        return 1;
    struct xdg_activation_token_v1 *token = xdg_activation_v1_get_activation_token(activation);
    xdg_activation_token_v1_add_listener(token, &tokenListener, NULL);
    xdg_activation_token_v1_commit(token);
    while (!printed && wl_display_dispatch(display) >= 0)
        ;
    return printed ? 0 : 1;
}
